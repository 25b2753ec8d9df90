// What a list parser works with: the window's state, the window port, and the fetch it uses (FetchUrl,
// or a stand-in in tests).
#pragma once

#include "http/URLSource2.h"

#include <QString>

#include <functional>

class WindowPort;
struct VantrelState;
struct ST_PERLISTRECORD;

using PageFetcher = std::function<bool(ST_HTTPREQUEST&, ST_HTTPRESPONSE&, int)>;

struct ListContext {
    VantrelState& state;
    WindowPort& port;
    PageFetcher fetch = FetchUrl;
};

// The request every marketplace page goes out with: 20 s, the two header lines, one attempt.
ST_HTTPREQUEST PageRequest();

// Fetches and decodes (DECODE_GUNZIP) one page; false when the fetch failed.
bool FetchPage(ListContext& context, ST_HTTPREQUEST& request, ST_HTTPRESPONSE& response, QString& page);

// Adds the album to the list and shows its row (not before start-up has finished). Returns true
// when the user asked the fetch to stop.
bool AddAndShowAlbum(ListContext& context, const ST_PERLISTRECORD& album);

// Writes a page the parser did not understand to a file of the program directory, as UTF-16LE with
// its byte order mark, replacing what was there.
void WriteDiagnosticFile(const ListContext& context, const QString& fileName, const QString& page);

// Leading decimal digits after white space, 0 when none (saturating).
int ReadUnsignedNumber(const QString& text);
