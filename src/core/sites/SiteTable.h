// The site table: which party an address belongs to, the sub-sites of the QQ site, and the login
// pages of the login commands.
#pragma once

#include <QString>
#include <QStringList>

constexpr int kSiteCount = 24;
constexpr int kMarketplaceSite = 11; // Taobao, Tmall and 1688: every list of this edition

// The site number of the first test of the table that the address contains at position 1 or later;
// `current` when none matches or the address holds no "http://".
int ClassifySite(const QString& address, int current);

// For site 0: the sub-site an address names (2 Tencent microblog, 1 QQ group), or -1 for none.
int ClassifyQqSubSite(const QString& address);

// The three sub-site texts of box 1035.
QStringList QqSubSiteNames();

// The login page of a login command; empty for an id that is no login command. For 32781 the
// caller passes the address box's text and the sub-site selected in 1035.
QString LoginPageAddress(int commandId, const QString& addressBoxText = QString(), int qqSubSite = 0);
// Whether the login command keeps its browser open beside the window (held in LoginBrowser).
bool IsModelessLogin(int commandId);
