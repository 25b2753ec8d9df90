#include "Download.h"

#include "market/ChangeSource.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"

void PressDownload(VantrelState& state, WindowPort& port, const std::function<bool()>& startThread) {
    if (state.DownloadState != 0) {
        state.DownloadState = 3;
        state.WorkerStopFlag = 1;
        return;
    }
    state.DownloadState = 1;
    if (!startThread()) {
        port.MessageBox(QStringLiteral("无法创建下载线程，请关闭一些程序后再试。"), QString(), MessageButtons::Ok);
        state.DownloadState = 0;
    }
}

int RunDownloadPass(VantrelState& state, WindowPort& port, const PictureFetcher& fetch) {
    ListContext pages{state, port, fetch};
    DownloadContext context{state, port, nullptr, fetch};
    context.parser = [&](int albumIndex, const PictureSink& sink) {
        if (state.ListPageKind == 2)
            GetOfferPictures(pages, albumIndex, sink);
        else
            GetItemPictures(pages, albumIndex, sink);
    };
    return DownloadPass(context);
}
