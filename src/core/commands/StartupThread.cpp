#include "StartupThread.h"

#include "SiteSelection.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "sites/SiteTable.h"
#include "text/StoredTexts.h"
#include "text/StringCtrl.h"

QString VersionText(const QString& versionNumber) {
    return QStringLiteral("版本号：%1").arg(versionNumber);
}

bool CheckVersion(WindowPort& port, const NoticeData& notices, const std::function<void(int ms)>& sleep) {
    QString serverVersion = VersionText(notices.newestVersion);
    CutBeforeMark(serverVersion, QStringLiteral("#"));
    if (serverVersion.compare(VersionText(kProgramVersionNumber), Qt::CaseSensitive) > 0) {
        port.ShowControl(ctl::UpdateLink, true);
        port.MessageBox(Deciphered(stored::kUpdateMessage), QStringLiteral("提示"), MessageButtons::Ok);
        port.OpenAddress(notices.updateAddress);
        sleep(3000);
        port.EndProgram(0);
        return true;
    }
    port.SetControlText(ctl::NoticeLine, Deciphered(stored::kNoticeLineText));
    return false;
}

void RunStartupThread(VantrelState& state, WindowPort& port, const std::function<NoticeData()>& fetchNotices,
                      const std::function<void(int ms)>& sleep) {
    const NoticeData notices = fetchNotices();
    port.StartupDone();
    port.SetComboItems(ctl::SiteSelector, notices.siteNames);
    port.SelectComboItem(ctl::SiteSelector, kMarketplaceSite);
    ClassifyAddress(state, port);
    state.Ready = 1;
    ApplySiteSelection(state, port);
    CheckVersion(port, notices, sleep);
}
