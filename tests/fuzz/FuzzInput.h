// Helpers that turn a fuzzer's bytes into the inputs of the program's parsers.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// The input cut into pieces at each "\n--\n" (at most max pieces, the last keeps the rest).
inline QList<QByteArray> Pieces(const uint8_t* data, size_t size, int max) {
    QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> pieces;
    while (pieces.size() + 1 < max) {
        const qsizetype at = all.indexOf("\n--\n");
        if (at < 0)
            break;
        pieces << all.left(at);
        all.remove(0, at + 4);
    }
    pieces << all;
    while (pieces.size() < max)
        pieces << QByteArray();
    return pieces;
}

inline QString Text(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

// Stops the fuzzer with a message when a property does not hold.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                          \
            abort();                                                                                                   \
        }                                                                                                              \
    } while (0)
