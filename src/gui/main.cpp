// vantrel: the window program.
#include "CVantrelDlg.h"
#include "http/CookieJar.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    // The web engine of the login browser refuses to run as root without this.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // the login browser's web engine
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
