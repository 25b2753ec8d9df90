// The thumbnail maker: an album's cover fetched into its cache file "tmp/%d.jpg" of the program
// directory, decoded, and scaled to 113 × 120 pixels (the aspect ratio is not kept). Any thread.
#pragma once

#include "http/URLSource2.h"

#include <QImage>
#include <QString>

#include <functional>

using CoverFetcher = std::function<bool(ST_HTTPREQUEST&, ST_HTTPRESPONSE&, int)>;

QString ThumbnailCachePath(const QString& programDir, int albumIndex);

// A null image when the cover cannot be fetched or decoded.
QImage MakeThumbnailImage(const QString& programDir, int albumIndex, const QString& coverAddress,
                          const CoverFetcher& fetch = FetchUrl);
