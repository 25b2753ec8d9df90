#include "WindowStates.h"

#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"

void EnterFetchingState(VantrelState& state, WindowPort& port) {
    state.ListFetchState = 1;
    for (int id : {ctl::SiteSelector, ctl::DownloadButton, ctl::AddressBox, ctl::ThumbnailBox})
        port.EnableControl(id, false);
    port.SetChecked(ctl::SelectAllBox, false);
    port.SetControlText(ctl::GetAlbumsButton, QStringLiteral("终止获取"));
    port.SetControlText(ctl::AlbumFrame, QStringLiteral("相册列表"));
    port.SetControlText(ctl::StatusLine, QStringLiteral("正在获取相册列表，请稍等..."));
    port.SetControlText(ctl::ProgressLine, QString());
    port.ShowControl(ctl::StartupNotice, false);
    for (int id : {ctl::GoodReviewLink, ctl::GoodReviewLink2, ctl::DiscoveryOrderLink, ctl::FindLink, ctl::FilterLink,
                   ctl::ExportLink})
        port.EnableControl(id, false);
}

void LeaveFetchingState(VantrelState& state, WindowPort& port) {
    port.EnableControl(ctl::SiteSelector, true);
    port.EnableControl(ctl::DownloadButton, !state.Albums.isEmpty());
    port.SetControlText(ctl::GetAlbumsButton, QStringLiteral("获取相册"));
    for (int id : {ctl::AddressBox, ctl::ThumbnailBox, ctl::GoodReviewLink, ctl::GoodReviewLink2,
                   ctl::DiscoveryOrderLink, ctl::FindLink, ctl::FilterLink, ctl::ExportLink})
        port.EnableControl(id, true);
    state.ListFetchState = 0; // last: a new press may start a fetch from here on
}

namespace {
constexpr int kLockedWhileDownloading[] = {ctl::SiteSelector, ctl::GetAlbumsButton, ctl::SetPathButton,
                                           ctl::AddressBox,   ctl::SavePathBox,     ctl::GoodReviewLink,
                                           ctl::GoodReviewLink2, ctl::DiscoveryOrderLink};
}

void EnterDownloadingState(VantrelState& state, WindowPort& port) {
    state.DownloadState = 1;
    port.SetControlText(ctl::DownloadButton, QStringLiteral("终止下载"));
    for (int id : kLockedWhileDownloading)
        port.EnableControl(id, false);
}

void LeaveDownloadingState(VantrelState& state, WindowPort& port) {
    port.SetControlText(ctl::DownloadButton, QStringLiteral("下载"));
    for (int id : kLockedWhileDownloading)
        port.EnableControl(id, true);
    port.SetControlText(ctl::StatusLine, QStringLiteral("下载完毕"));
    port.SetControlText(ctl::ProgressLine, QString());
    state.DownloadState = 0;
}
