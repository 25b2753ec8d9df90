// Each list parser on arbitrary page text, through a fetch stand-in that answers every page with it.
#include "FuzzInput.h"
#include "RecordingPort.h"
#include "market/ChangeSource.h"
#include "session/VantrelState.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
PageFetcher Answer(const QByteArray& page, const QByteArray& headers, int pages) {
    auto left = std::make_shared<int>(pages); // a walk with a next page on every page ends here
    return [=](ST_HTTPREQUEST&, ST_HTTPRESPONSE& response, int) {
        if ((*left)-- <= 0)
            return false;
        response.strHeaders = QString::fromLatin1(headers);
        response.bGzip = response.strHeaders.contains(QStringLiteral("gzip"));
        response.body = page;
        return true;
    };
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir; // the diagnostic files go here
    const QList<QByteArray> p = Pieces(data, size, 2);
    const char* templates[] = {"http://shop.taobao.com/?search=y", "http://item.taobao.com/item.htm?id=1",
                               "http://x.1688.com/page/offerlist.htm?", "http://detail.1688.com/offer/1.html"};
    for (int t = 0; t < 4; ++t) {
        VantrelState state;
        state.ProgramDir = dir.path() + u'/';
        state.Ready = 1;
        state.ListFetchState = 1;
        RecordingPort port;
        ListContext context{state, port, Answer(p[1], p[0], 3)};
        if (t < 2)
            ParseShopList(QString::fromLatin1(templates[t]), context);
        else
            ParseOfferList(QString::fromLatin1(templates[t]), context);
        FUZZ_CHECK(state.Albums.size() < 100000);
        for (const ST_PERLISTRECORD& album : state.Albums.snapshot())
            FUZZ_CHECK(!album.strName.isEmpty() && !album.strName.contains(u'/') && album.strName != QLatin1String(".."));
    }
    return 0;
}
