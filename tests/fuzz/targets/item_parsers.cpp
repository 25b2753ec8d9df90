// Each item parser on arbitrary page text, its pictures handed to AddPicture: no name it makes may
// leave the album folder.
#include "FuzzInput.h"
#include "RecordingPort.h"
#include "download/DownProc.h"
#include "market/ChangeSource.h"
#include "session/VantrelState.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QList<QByteArray> p = Pieces(data, size, 3);
    for (int offer = 0; offer < 2; ++offer) {
        VantrelState state;
        state.ProgramDir = dir.path() + u'/';
        state.SiteNumber = 11;
        state.Settings.SetPath(dir.path() + QStringLiteral("/soft.dat"));
        state.Settings.Load();
        state.Extension = {true, int(size % 7)};
        ST_PERLISTRECORD album;
        album.strName = Text(p[2]);
        album.strAddress = QStringLiteral("http://item.taobao.com/item.htm?id=1");
        state.Albums.AddAlbum(album);
        const QString base = dir.path() + QStringLiteral("/base/");
        state.DownloadJob.folder = base;
        state.DownloadState = 1;
        RecordingPort port;
        const PageFetcher fetch = [&](ST_HTTPREQUEST&, ST_HTTPRESPONSE& response, int) {
            response.strHeaders = QString::fromLatin1(p[0]);
            response.bGzip = response.strHeaders.contains(QStringLiteral("gzip"));
            response.body = p[1];
            return true;
        };
        ListContext pages{state, port, fetch};
        DownloadContext download{state, port, nullptr, fetch};
        const ItemPictureSink sink = [&](const QString& address, const QString& name, const QString& headers) {
            FUZZ_CHECK(!name.startsWith(u'/')); // parsers never hand over a full path
            AddPicture(download, address, name, headers, 0);
        };
        if (offer)
            GetOfferPictures(pages, 0, sink);
        else
            GetItemPictures(pages, 0, sink);
        const ST_DOWNJOB& job = state.DownloadJob;
        FUZZ_CHECK(job.folder.startsWith(base) && !job.folder.contains(QStringLiteral("/../")));
        for (const QString& name : job.names) {
            FUZZ_CHECK(!name.isEmpty() && !name.contains(u'/') && name != QLatin1String(".."));
            FUZZ_CHECK(name.toUtf8().size() <= 255);
        }
    }
    return 0;
}
