#include "GetAlbums.h"

#include "session/WindowStates.h"
#include "http/CookieJar.h"
#include "market/ChangeSource.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "sites/SiteTable.h"
#include "text/FileNames.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

void PressGetAlbums(VantrelState& state, WindowPort& port, const std::function<bool()>& startThread) {
    if (state.Ready != 1)
        return;
    if (state.ListFetchState != 0) {
        state.ListFetchState = 2; // the walk ends after its next album
        return;
    }
    port.ResetAlbumGrid();
    state.Albums.EmptyAlbums();
    state.ListFetchState = 1;
    state.ListPageKind = -1;
    state.SiteNumber = kMarketplaceSite;
    if (!startThread()) {
        port.MessageBox(QStringLiteral("Create thread:GetListFunc failed."), QString(), MessageButtons::Ok);
        state.ListFetchState = 0;
    }
}

namespace {

bool ContainsAfterFirst(const QString& text, const QString& mark) {
    return text.indexOf(mark) >= 1;
}

QString WithQuery(QString address) {
    if (!address.contains(u'?'))
        address += u'?';
    return address;
}

// The letters com up to which a shop's home address keeps its host.
QString CutAtCom(QString address, const QString& path) {
    CutBeforeMark(address, QStringLiteral("com"));
    return address + QStringLiteral("com") + path;
}

} // namespace

ListAddress RewriteListAddress(const QString& address) {
    ListAddress list;
    if (ContainsAfterFirst(address, QStringLiteral("1688.com/"))) {
        list.offers1688 = true;
        if (address.contains(QStringLiteral("com/offer"))) {
            list.listTemplate = address;
        } else if (address.contains(QStringLiteral("/page/"))) {
            list.listTemplate = WithQuery(address)
                                    .replace(QStringLiteral("pageNum="), QStringLiteral("Wmz1="))
                                    .replace(QStringLiteral("showType="), QStringLiteral("Wmz2="));
        } else {
            list.listTemplate = CutAtCom(address, QStringLiteral("/page/offerlist.htm?"));
        }
        return list;
    }
    if (ContainsAfterFirst(address, QStringLiteral("search")) || ContainsAfterFirst(address, QStringLiteral("item.")) ||
        ContainsAfterFirst(address, QStringLiteral("/category-"))) {
        list.listTemplate = WithQuery(address)
                                .replace(QStringLiteral("pageNum="), QStringLiteral("Wmz1="))
                                .replace(QStringLiteral("viewType="), QStringLiteral("Wmz2="));
    } else {
        list.listTemplate = CutAtCom(address, QStringLiteral("/?search=y"));
    }
    return list;
}

QString TidyFolderName(QString name) {
    CleanFileName(name, 0, false);
    name.replace(u'\\', u'/');
    if (!name.isEmpty() && !name.endsWith(u'/'))
        name += u'/';
    return name;
}

namespace {

void RunParser(VantrelState& state, WindowPort& port, const PageFetcher& fetch, QString address) {
    if (port.IsControlShown(ctl::SubSiteBox))
        state.ListPageKind = port.ComboSelection(ctl::SubSiteBox);
    CutBeforeMark(address, QStringLiteral("#"));
    const ListAddress list = RewriteListAddress(address);
    ListContext context{state, port, fetch};
    if (list.offers1688) {
        ParseOfferList(list.listTemplate, context);
        state.ListPageKind = 2;
        return;
    }
    ParseShopList(list.listTemplate, context);
    if (state.Albums.isEmpty())
        port.MessageBox(Deciphered(stored::kNoAlbumMessage), QString(), MessageButtons::Ok);
}

void RememberAddress(VantrelState& state, WindowPort& port) {
    const QString address = port.ControlText(ctl::AddressBox).trimmed();
    state.Settings.Change([&](ST_SOFTDATA& data) {
        if (!PushRecent(data, RECENT_ADDRESSES, address))
            return false;
        port.AddRecentEntry(ctl::AddressBox, address);
        return true;
    });
}

} // namespace

void FetchAlbumList(VantrelState& state, WindowPort& port, const PageFetcher& fetch) {
    const ExtensionSettings extension = ReadExtensionIni(state.ProgramDir);
    state.SiteNumber = kMarketplaceSite;
    {
        const std::lock_guard<std::mutex> lock(state.TextLock);
        state.Extension = extension;
        state.ListFolderName.clear();
        state.ListSubFolderName.clear();
    }
    const QString address = port.ControlText(ctl::AddressBox).trimmed();
    if (address.isEmpty()) {
        port.MessageBox(Deciphered(stored::kEmptyAddressMessage), QString(), MessageButtons::Ok);
        state.ListFetchState = 0;
        return;
    }
    EnterFetchingState(state, port);
    if (address.contains(QStringLiteral("http://")) || address.contains(QStringLiteral("https://")))
        RunParser(state, port, fetch, address);
    else
        port.MessageBox(Deciphered(stored::kNotWebAddressMessage), QString(), MessageButtons::Ok);
    const bool downloadAtOnce = state.Albums.size() == 1;

    {
        const std::lock_guard<std::mutex> lock(state.TextLock);
        state.ListFolderName = TidyFolderName(state.ListFolderName);
        state.ListSubFolderName = TidyFolderName(state.ListSubFolderName);
    }
    port.RefreshAlbumGrid();
    const int count = state.Albums.size();
    port.SetControlText(ctl::AlbumFrame, QStringLiteral("相册列表(共%1个)").arg(count));
    port.SetControlText(ctl::StatusLine, QStringLiteral("获取相册列表完成，共%1个").arg(count));
    LeaveFetchingState(state, port);
    if (count >= 1)
        RememberAddress(state, port);
    SaveCookieJar();
    if (downloadAtOnce) {
        port.SelectAllAlbums();
        port.StartDownload();
    }
}
