// Get Albums: the button, and the list fetch that runs on its own thread.
#pragma once

#include "market/ListContext.h"

#include <QString>

#include <functional>

class WindowPort;
struct VantrelState;

// The Get Albums button: nothing before start-up has finished; a stop request while a fetch runs;
// else a fresh grid and album list and the list-fetch thread started by startThread (false when it
// could not be started).
void PressGetAlbums(VantrelState& state, WindowPort& port, const std::function<bool()>& startThread);

struct ListAddress {
    QString listTemplate; // the address with "Wmz1=" / "Wmz2=" in place of the page's own paging keys
    bool offers1688 = false;
};

// How an address (fragment already dropped) becomes the template of its list parser.
ListAddress RewriteListAddress(const QString& address);

// A list folder name as the download pass uses it: cleaned, ending with "/" when not empty.
QString TidyFolderName(QString name);

// The body of the list-fetch thread. ListFetchState is 1 when it is called and 0 when it returns.
void FetchAlbumList(VantrelState& state, WindowPort& port, const PageFetcher& fetch = FetchUrl);
