#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
bool IsStoredForm(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^([0-9A-F]{2})*$"));
    return digits.match(text).hasMatch();
}
} // namespace

TEST(Cipher, KeyIsAnEightyOneCharacterSentence) {
    EXPECT_EQ(kCipherKey.size(), 81);
    EXPECT_EQ(UnicodeToGbk(kCipherKey).size(), 162);
}

TEST(Cipher, RoundTrips) {
    const QByteArray keyBytes = UnicodeToGbk(kCipherKey);
    // A text whose bytes are the key bytes (every byte escaped), and texts near CR and LF.
    const QString keyItself = kCipherKey;
    QByteArray crBytes, lfBytes;
    for (const char k : keyBytes.left(8)) {
        crBytes.append(char(k ^ 13));
        lfBytes.append(char(k ^ 10));
    }
    const QString texts[] = {
        QStringLiteral("hello"),
        QStringLiteral("第一行\r\n第二行"),
        keyItself,
        keyItself + keyItself + QStringLiteral("更长的文本"),
        QString::fromLatin1(crBytes),
        QString::fromLatin1(lfBytes),
        QString(),
    };
    for (const QString& text : texts) {
        const QString plain = MultiByteToUnicode(UnicodeToGbk(text), CP_GBK); // representable form
        const QString storedForm = EncipherText(plain, kCipherKey);
        EXPECT_TRUE(IsStoredForm(storedForm)) << storedForm.toStdString();
        EXPECT_EQ(DecipherText(storedForm, kCipherKey), plain) << plain.toStdString();
    }
}

TEST(Cipher, EscapesAndComplement) {
    // Key "AB": plain "A" equals the key byte -> key byte and "1"; complemented: 'A'=0x41 -> BE, '1'=0x31 -> CE.
    EXPECT_EQ(EncipherText("A", "AB"), "BECE");
    // 'A'^'L' = 13 -> key byte and "2".
    EXPECT_EQ(EncipherText("L", "AB"), "BECD");
    // 'A'^'K' = 10 -> key byte and "3"; the key repeats: second byte against 'B'.
    EXPECT_EQ(EncipherText("KC", "AB"), "BECCFE");
    EXPECT_EQ(DecipherText("BECCFE", "AB"), "KC");
    // A plain text of n bytes without escapes takes 2n digits.
    EXPECT_EQ(EncipherText("xyz", "AB").size(), 6);
}

TEST(Cipher, OddAndDamagedStoredTexts) {
    // An odd digit count yields one last garbage byte from the high digit alone.
    const QString odd = DecipherText("9EB", "AB");
    EXPECT_TRUE(odd.startsWith(u' ')) << odd.toStdString();
    EXPECT_LE(odd.size(), 2); // the garbage byte, a lone lead byte here, may not decode at all
    EXPECT_EQ(DecipherText("BE", "AB"), "K"); // escape at the very end: the missing byte reads as zero
}

TEST(StoredTexts, AllDecipherToReadableChinese) {
    const QString* texts[] = {&stored::kStartupNoticeText, &stored::kSplashText, &stored::kAboutSecondLine,
                              &stored::kUpdateMessage, &stored::kNoticeLineText,
                              &stored::kEmptyAddressMessage, &stored::kNotWebAddressMessage,
                              &stored::kNoAlbumMessage, &stored::kNoCompanyNameMessage};
    for (const QString* text : texts) {
        EXPECT_TRUE(IsStoredForm(*text));
        const QString plain = Deciphered(*text);
        EXPECT_GT(plain.size(), 5);
        EXPECT_TRUE(plain.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]")))) << plain.toStdString();
        EXPECT_EQ(EncipherText(plain, kCipherKey), *text);
    }
    const QString* addresses[] = {&stored::kMakerAddress, &stored::kConsultationAddress,
                                  &stored::kInstructionsAddress, &stored::kFileProcessingAddress};
    for (const QString* address : addresses)
        EXPECT_TRUE(Deciphered(*address).startsWith(QStringLiteral("https://")));
}
