// The string toolkit the page parsers cut pages apart with, the code page conversions at the
// program's byte edges, and the cipher of the program's stored texts. Every function here keeps no
// state and may be called from any thread.
//
// Marks are searched literally, case-sensitively, first occurrence; positions count UTF-16 units.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum : int {
    BETWEEN_CONSUME = 1, // the source is left starting right after the begin mark
    BETWEEN_TO_END = 2,  // a missing end mark yields everything after the begin mark
};

// Code pages the program converts with.
enum : int {
    CP_GBK = 936,
    CP_BIG5 = 950,
    CP_EUCKR = 51949,
    CP_UTF8 = 65001,
    CP_ANSI = 0, // the marketplace's own: code page 936
};

// The text in code page 936; characters the code page lacks become '?'. Ends at its first zero byte.
QByteArray UnicodeToGbk(const QString& text);

// The bytes read in the given code page; ends at its first NUL. Empty for empty input or an
// unknown code page.
QString MultiByteToUnicode(const char* bytes, qsizetype count, int codePage);
QString MultiByteToUnicode(const QByteArray& bytes, int codePage);

// The seven entity passes, in order: &quot; &amp; &lt; &gt; &nbsp; &hellip; &#39;
void DecodeHtmlEntities(QString& text);

// Paired replacement with "|"-separated lists; see the naming settings.
void ReplaceByLists(QString& text, const QString& fromList, const QString& toList);

// Occurrences of the mark, never overlapping. An empty mark counts 0.
int CountMark(const QString& text, const QString& mark);

// Splits at the mark; returns the number of marks (the array holds that many plus one pieces), or 0
// with an empty array when the mark does not occur.
int SplitByMark(const QString& text, const QString& mark, QStringList& pieces);

// The text between the first begin mark and the next end mark, with the BETWEEN_ flags.
QString GetBetween(QString& source, const QString& beginMark, const QString& endMark, int flags);
// The same for a source that must stay as it is.
QString GetBetweenConst(const QString& source, const QString& beginMark, const QString& endMark,
                        int flags = 0);

// The text with every "<...>" tag removed.
QString StripTags(const QString& text);

// %XX escapes over the code page 936 bytes of the text, read as UTF-8 (at most 1,023 bytes).
QString UrlDecodeUtf8(const QString& text);

// Deletes the text before the mark (and the mark too with includeMark); returns the mark's position
// or -1 (text unchanged).
qsizetype CutThroughMark(QString& text, const QString& mark, bool includeMark);

// Keeps only the text before the mark; returns its position or -1 (text unchanged).
qsizetype CutBeforeMark(QString& text, const QString& mark);

// 1 when the bytes are well-formed multibyte text of the UTF-8 lead-byte scheme with at least one
// byte of 0x80 or above; 0 otherwise (pure ASCII, empty, a cut-off sequence).
int IsUtf8Text(const char* bytes, qint64 count);

// The cipher of the stored texts: a repeating-key XOR with escapes for 0, CR and LF, written as
// upper-case hexadecimal digits of each byte's complement.
QString EncipherText(const QString& plain, const QString& key);
QString DecipherText(const QString& stored, const QString& key);
