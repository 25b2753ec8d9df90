#include "DownProc.h"

#include "FileTimes.h"
#include "http/CookieJar.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "session/WindowStates.h"
#include "text/StoredTexts.h"

#include <thread>

namespace {

uint16_t Flags(const VantrelState& state) {
    return state.Settings.SaveSet(state.CurrentSite()).wFlags; // read at each test: a toggle counts at once
}

// Collects the album's pictures with the site's item parser. False when the site has none.
void CollectAlbum(DownloadContext& context, int albumIndex) {
    const int site = context.state.CurrentSite();
    if (site > 20) {
        context.port.MessageBox(QStringLiteral("Error ListType Code."), QString(), MessageButtons::Ok);
        return;
    }
    if (site != 11 || !context.parser)
        return; // the other sites' albums get no pictures in this edition
    context.parser(albumIndex, [&](const QString& address, const QString& name, const QString& headers) {
        AddPicture(context, address, name, headers, albumIndex);
    });
}

bool DownloadAlbum(DownloadContext& context, const ST_DOWNJOB& job, const DownloadParams& params) {
    VantrelState& state = context.state;
    context.port.SetControlText(ctl::ProgressLine, QStringLiteral("已开始下载图片"));
    state.WorkerStopFlag = 0;
    try {
        std::thread coordinator([&] { DownPicFunc(job, params, state, context.port, context.fetch); });
        coordinator.join();
        return true;
    } catch (const std::system_error&) {
        context.port.MessageBox(QStringLiteral("Create thread:DownPicFunc failed."), QString(), MessageButtons::Ok);
        return false;
    }
}

} // namespace

int DownloadPass(DownloadContext& context) {
    VantrelState& state = context.state;
    WindowPort& port = context.port;
    const ExtensionSettings extension = ReadExtensionIni(state.ProgramDir);
    QString listFolder, listSubFolder;
    {
        const std::lock_guard<std::mutex> lock(state.TextLock);
        state.Extension = extension;
        listFolder = state.ListFolderName;
        listSubFolder = state.ListSubFolderName;
    }
    QString base = port.ControlText(ctl::SavePathBox).trimmed();
    if (base.isEmpty()) {
        port.MessageBox(QStringLiteral("请先设置保存路径"), QString(), MessageButtons::Ok);
        state.DownloadState = 0;
        return 0;
    }
    if (!base.endsWith(u'/'))
        base += u'/';
    base += listFolder + listSubFolder;
    if (!CreateFolderTree(base, port)) {
        port.MessageBox(QStringLiteral("请检测设置的保存路径是否有误"), QString(), MessageButtons::Ok);
        state.DownloadState = 0;
        return 0;
    }
    SetFileTimes(base, NowSeconds());

    EnterDownloadingState(state, port);
    ST_DOWNJOB& job = state.DownloadJob;
    job.folder = base;
    state.JobFolder.Set(base);
    const ST_DOWNSET down = state.Settings.DownSet(state.CurrentSite());
    const DownloadParams params{down.wMinSizeKB, down.wMaxSizeKB, down.wThreads, down.wTimeoutSec};

    const QList<int> picked = port.SelectedAlbums();
    state.Albums.SetPickedCount(int(picked.size()));
    if (picked.isEmpty())
        port.MessageBox(Deciphered(stored::kNoSelectionMessage), QString(), MessageButtons::Ok);
    int total = 0;
    for (int k = 0; k < picked.size(); ++k) {
        if (state.DownloadState == 3)
            break;
        job.clear();
        job.folder = base;
        state.JobFolder.Set(base);
        state.DownloadState = 1;
        port.SetControlText(ctl::StatusLine, QStringLiteral("正在下载第%1/%2个图集").arg(k + 1).arg(picked.size()));
        port.SetControlText(ctl::ProgressLine, QStringLiteral("......"));
        CollectAlbum(context, picked[k]);
        if (job.count() == 0 || state.DownloadState == 3)
            continue;
        total += job.count();
        if (Flags(state) & SAVE_THUNDER_LIST_ONLY) {
            WriteAlbumListFile(job, state.Albums.at(picked[k]).strName);
            continue;
        }
        if (!DownloadAlbum(context, job, params))
            continue;
        if (state.DownloadState != 3)
            WriteHistory(job);
        if (Flags(state) & SAVE_FIX_FORMAT)
            FixAlbumFormats(job);
        if (Flags(state) & SAVE_FIX_ORDER)
            FixAlbumOrder(job);
    }
    SaveCookieJar();
    const QString lastFolder = job.folder;
    LeaveDownloadingState(state, port);
    if (total > 0 && (Flags(state) & SAVE_OPEN_FOLDER))
        port.OpenFolder(lastFolder);
    return total;
}
