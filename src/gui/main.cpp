// vantrel: the window program.
#include "CVantrelDlg.h"
#include "http/CookieJar.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Vantrel"));
    auto* window = new CVantrelDlg();
    window->Initialise();
    const int code = app.exec();
    SaveCookieJar();
    // The process ends with the window: running fetches and downloads are not waited for, and no
    // destructor runs under them. Every file the program writes is complete or untouched by now.
    std::fflush(nullptr);
    std::_Exit(code);
}
