#pragma once

#include <QString>

// The window caption and the about box's frame.
inline const QString kProductTitle = QStringLiteral("Vantrel 图片批量下载");
