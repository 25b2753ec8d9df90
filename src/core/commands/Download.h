// The Download button and the download thread's body.
#pragma once

#include "download/DownProc.h"

#include <functional>

class WindowPort;
struct VantrelState;

// Stops a running pass (DownloadState 3 and the workers' stop flag), or starts one: DownloadState 1
// and the download thread started by startThread (false when it could not be started).
void PressDownload(VantrelState& state, WindowPort& port, const std::function<bool()>& startThread);

// The download pass with the item parser of the current list (1688 offers or Taobao and Tmall items);
// the number of pictures collected.
int RunDownloadPass(VantrelState& state, WindowPort& port, const PictureFetcher& fetch = FetchUrl);
