// Makes the stored (enciphered) form of a text with the program's key, or shows a stored text.
//   vantrel-encipher TEXT...       one stored form a line
//   vantrel-encipher -d STORED...  the plain texts
// "\r" and "\n" in a TEXT stand for CR and LF.
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool decipher = !args.isEmpty() && args.first() == QStringLiteral("-d");
    if (decipher)
        args.removeFirst();
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: vantrel-encipher [-d] TEXT...\n";
        return 2;
    }
    QTextStream out(stdout);
    for (QString text : args) {
        if (decipher) {
            out << Deciphered(text) << '\n';
        } else {
            text.replace(QStringLiteral("\\r"), QStringLiteral("\r")).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            out << EncipherText(text, kCipherKey) << '\n';
        }
    }
    return 0;
}
