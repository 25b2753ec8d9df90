// The string toolkit's cutting operations, the cipher and the file-name cleaner on arbitrary text.
#include "FuzzInput.h"
#include "text/FileNames.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> p = Pieces(data, size, 4);
    QString source = Text(p[0]);
    const QString begin = Text(p[1]), end = Text(p[2]), other = Text(p[3]);
    for (int flags = 0; flags < 4; ++flags) {
        QString work = source;
        const QString between = GetBetween(work, begin, end, flags);
        FUZZ_CHECK(between.size() <= source.size());
        FUZZ_CHECK(work.size() <= source.size());
    }
    QStringList pieces;
    const int marks = SplitByMark(source, begin, pieces);
    FUZZ_CHECK(marks == 0 ? pieces.isEmpty() : pieces.size() == marks + 1);
    FUZZ_CHECK(CountMark(source, begin) == marks);
    QString stripped = StripTags(source);
    FUZZ_CHECK(stripped.size() <= source.size());
    QString replaced = source;
    ReplaceByLists(replaced, begin, end);
    QString decoded = source;
    DecodeHtmlEntities(decoded);
    QString cut = source;
    CutThroughMark(cut, begin, true);
    cut = source;
    CutBeforeMark(cut, end);
    FUZZ_CHECK(UrlDecodeUtf8(other).toUtf8().size() <= 1023 * 3);
    IsUtf8Text(p[0].constData(), p[0].size());
    MultiByteToUnicode(p[0], CP_GBK);
    MultiByteToUnicode(p[0], CP_BIG5);

    // The cipher gives back any text code page 936 can hold.
    const QString plain = MultiByteToUnicode(UnicodeToGbk(other), CP_GBK);
    FUZZ_CHECK(DecipherText(EncipherText(plain, kCipherKey), kCipherKey) == plain);
    DecipherText(other, kCipherKey);

    // A cleaned name is a name: no separator, not a relative step, not empty with the fallback.
    QString name = source;
    CleanFileName(name, 7, true);
    FUZZ_CHECK(!name.isEmpty() && name.size() < 1000);
    FUZZ_CHECK(!name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String("..") && name != QLatin1String("."));
    return 0;
}
