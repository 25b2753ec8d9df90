#include "DownProc.h"

#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// One album's download, shared by its coordinator and its workers. Workers that are still running
// after a stop keep it alive and count into it, never into a later album.
// Texts of their own, not shared with the pass's job: late workers may still hold them when the pass
// has moved on and changed its job.
QString Own(const QString& text) {
    return QString(text.constData(), text.size());
}

ST_DOWNJOB OwnCopy(const ST_DOWNJOB& job) {
    ST_DOWNJOB copy;
    for (const QString& a : job.addresses)
        copy.addresses << Own(a);
    for (const QString& n : job.names)
        copy.names << Own(n);
    for (const QString& h : job.headers)
        copy.headers << Own(h);
    copy.folder = Own(job.folder);
    return copy;
}

struct AlbumRun {
    AlbumRun(const ST_DOWNJOB& j, const DownloadParams& p, const PictureFetcher& f)
        : job(OwnCopy(j)), params(p), fetch(f) {}
    const ST_DOWNJOB job;
    const DownloadParams params;
    const PictureFetcher fetch;
    std::mutex lock;
    std::condition_variable workerEnded;
    std::vector<int> endedSlots;
    int finished = 0;
};

bool StartWorker(const std::shared_ptr<AlbumRun>& run, int slot, int picture) {
    try {
        std::thread([run, slot, picture] {
            try {
                FetchPicture(run->job, picture, run->params, run->fetch);
            } catch (...) {
                // a failed picture counts as finished like a good one
            }
            const std::lock_guard<std::mutex> lock(run->lock);
            ++run->finished;
            run->endedSlots.push_back(slot);
            run->workerEnded.notify_one();
        }).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

// A worker that cannot be started counts as finished at once, so the album still ends.
void StartOrCount(const std::shared_ptr<AlbumRun>& run, int slot, int picture) {
    if (StartWorker(run, slot, picture))
        return;
    const std::lock_guard<std::mutex> lock(run->lock);
    ++run->finished;
    run->endedSlots.push_back(slot);
}

} // namespace

void DownPicFunc(const ST_DOWNJOB& job, const DownloadParams& params, VantrelState& state, WindowPort& port,
                 const PictureFetcher& fetch) {
    const int count = job.count();
    const int slotCount = std::min<int>(int(params.threads), count);
    if (slotCount <= 0)
        return;
    state.WorkersRunning = 1;
    auto run = std::make_shared<AlbumRun>(job, params, fetch);
    for (int s = 0; s < slotCount; ++s)
        StartOrCount(run, s, s);
    int next = slotCount;
    int lastShown = count + 1;
    for (bool last = false; !last;) {
        int slot;
        int finished;
        {
            std::unique_lock<std::mutex> lock(run->lock);
            run->workerEnded.wait(lock, [&] { return !run->endedSlots.empty(); });
            slot = run->endedSlots.back();
            run->endedSlots.pop_back();
        }
        if (state.WorkerStopFlag)
            break;
        if (next < count) {
            if (params.threads == 1)
                std::this_thread::sleep_for(std::chrono::seconds(2));
            StartOrCount(run, slot, next++);
        }
        {
            const std::lock_guard<std::mutex> lock(run->lock);
            finished = run->finished;
        }
        last = finished >= count;
        if (finished != lastShown || last) {
            port.SetControlText(ctl::ProgressLine, QStringLiteral("已下载%1/%2......").arg(finished).arg(count));
            lastShown = finished;
        }
    }
    state.WorkersRunning = 0;
}

void FetchPicture(const ST_DOWNJOB& job, int index, const DownloadParams& params, const PictureFetcher& fetch) {
    const QString entry = job.addresses.value(index);
    const qsizetype split = entry.indexOf(QStringLiteral("\r\n"));
    const QString address = split < 0 ? entry : entry.left(split);
    const QString alternative = split < 0 ? QString() : entry.mid(split + 2);
    const QString name = job.names.value(index);

    ST_HTTPREQUEST request(QString(), QString(), 20000);
    request.strUrl = address;
    request.strHeaders = job.headers.value(index);
    request.dwReadTimeout = params.timeoutSec * 1000;
    request.nMinKB = params.minKB;
    request.nMaxKB = params.maxKB;
    request.strSavePath = name.startsWith(u'/') ? name : job.folder + name;
    request.byAttempts = 2;
    request.byRetryDelay = 1;
    ST_HTTPRESPONSE response;
    fetch(request, response, FETCH_CACHEWRITE | FETCH_FROMCACHE);
    if (alternative.isEmpty())
        return;
    if (response.body.isEmpty() || (alternative.indexOf(kPictureHostMarker) >= 1 && response.body.size() < 600)) {
        request.strUrl = alternative;
        fetch(request, response, FETCH_CACHEWRITE | FETCH_FROMCACHE);
    }
}
