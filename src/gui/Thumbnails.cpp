#include "Thumbnails.h"

#include "session/VantrelState.h"

#include <QDir>
#include <QImageReader>

QString ThumbnailCachePath(const QString& programDir, int albumIndex) {
    return programDir + QStringLiteral("tmp/%1.jpg").arg(albumIndex);
}

QImage MakeThumbnailImage(const QString& programDir, int albumIndex, const QString& coverAddress,
                          const CoverFetcher& fetch) {
    QDir().mkpath(programDir + QStringLiteral("tmp"));
    // List pages give covers without their scheme ("//img..."): fetched over http as the page would.
    const QString address = coverAddress.startsWith(QStringLiteral("//")) ? QStringLiteral("http:") + coverAddress
                                                                          : coverAddress;
    ST_HTTPREQUEST request(address, ThumbnailCachePath(programDir, albumIndex), 20000);
    ST_HTTPRESPONSE response;
    if (address.isEmpty() || !fetch(request, response, FETCH_CACHEWRITE | FETCH_FROMCACHE))
        return QImage();
    // Whatever the server sent, in whatever format: the ".jpg" of the file is only a name.
    QImageReader reader(request.strSavePath);
    reader.setDecideFormatFromContent(true);
    const QImage cover = reader.read();
    if (cover.isNull())
        return QImage();
    return cover.scaled(VantrelState::ThumbWidth, VantrelState::ThumbHeight, Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}
