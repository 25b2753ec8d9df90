// The notice component: the site names of the site selector and the version data of the start-up
// check. This edition answers from a fixed table in the program.
#pragma once

#include <QString>
#include <QStringList>

struct NoticeData {
    QStringList siteNames;  // in site-number order, 24 of them
    QString newestVersion;  // the newest version number, e.g. "15.07.28.01"
    QString updateAddress;  // where the newest version is
};

// The program's own version number.
inline const QString kProgramVersionNumber = QStringLiteral("15.07.28.01");

NoticeData FetchNoticeData();
