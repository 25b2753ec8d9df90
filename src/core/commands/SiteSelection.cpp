#include "SiteSelection.h"

#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "sites/SiteTable.h"

void ClassifyAddress(VantrelState& state, WindowPort& port) {
    const QString address = port.ControlText(ctl::AddressBox);
    if (!address.contains(QStringLiteral("http://")))
        return;
    const int site = ClassifySite(address, port.ComboSelection(ctl::SiteSelector));
    port.SelectComboItem(ctl::SiteSelector, site);
    ApplySiteSelection(state, port);
    if (site == 0) {
        const int subSite = ClassifyQqSubSite(address);
        if (subSite >= 0)
            port.SelectComboItem(ctl::SubSiteBox, subSite);
    }
}

void ApplySiteSelection(VantrelState& state, WindowPort& port) {
    state.SiteNumber = kMarketplaceSite;
    if (port.ComboSelection(ctl::SiteSelector) != 0) {
        port.ShowControl(ctl::SubSiteBox, false);
        return;
    }
    port.SetComboItems(ctl::SubSiteBox, QqSubSiteNames());
    port.ShowControl(ctl::SubSiteBox, true);
    port.SelectComboItem(ctl::SubSiteBox, 0);
}
