// The download engine: the pass over the selected albums, the picture sink the item parsers fill
// (AddPicture), the coordinator and its picture workers, the history and name files, and the format
// and order fixes.
#pragma once

#include "http/URLSource2.h"
#include "session/DownloadJob.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

class WindowPort;
struct VantrelState;

using PictureFetcher = std::function<bool(ST_HTTPREQUEST&, ST_HTTPRESPONSE&, int)>;
// What an item parser hands each picture to: address, name text, extra header lines.
using PictureSink = std::function<void(const QString& address, const QString& nameText, const QString& headers)>;
// Collects one album's pictures into the sink; checks DownloadState after each picture.
using ItemParser = std::function<void(int albumIndex, const PictureSink& sink)>;

struct DownloadParams {
    uint32_t minKB = 0;
    uint32_t maxKB = 0;
    uint32_t threads = 5;
    uint32_t timeoutSec = 30;
};

struct DownloadContext {
    VantrelState& state;
    WindowPort& port;
    ItemParser parser;              // the marketplace's item parser for this list
    PictureFetcher fetch = FetchUrl; // pages and pictures
};

// The whole pass, on the calling thread (the download thread). DownloadState is 1 when it is
// called and 0 when it returns. Returns the number of pictures collected over all albums.
int DownloadPass(DownloadContext& context);

// Names the picture, makes the album folder at the album's first picture, keeps names unique,
// checks the history and appends the picture to the job. Download-pass thread.
void AddPicture(DownloadContext& context, const QString& address, const QString& nameText, const QString& headers,
                int albumIndex);

// Downloads every picture of the job with up to params.threads workers, started in index order;
// returns when all have finished or the stop flag is seen (workers still running then finish on their
// own and count into this album's counter only). Progress goes to control 1006.
void DownPicFunc(const ST_DOWNJOB& job, const DownloadParams& params, VantrelState& state, WindowPort& port,
                 const PictureFetcher& fetch);

// One picture of the job: the request of its worker, and the alternative address rule.
void FetchPicture(const ST_DOWNJOB& job, int index, const DownloadParams& params, const PictureFetcher& fetch);

// The picture host whose tiny answers mean "try the alternative address".
inline const QString kPictureHostMarker = QStringLiteral("alicdn.com");

// Creates the folder and its missing parents; on failure shows the partial path that could not be
// made and returns false. The path ends with "/" afterwards.
bool CreateFolderTree(QString& path, WindowPort& port);

// The extension a file's first seven bytes call for, or an empty text for none.
QString SignatureExtension(const QByteArray& firstBytes);
// Renames the file to the extension of its content; the path follows once the file was found.
void FixOneFile(QString& path);
void FixAlbumFormats(ST_DOWNJOB& job);
// File times in descending steps of 60 seconds, the first picture newest.
void FixAlbumOrder(const ST_DOWNJOB& job);

// "%s%s.lst": the job's addresses in code page 936, CR LF each.
void WriteAlbumListFile(const ST_DOWNJOB& job, const QString& albumName);

// The history file "pic.wmz" and the name file of an album folder.
QString ReadHistory(const QString& folder);
void WriteHistory(const ST_DOWNJOB& job);
void AppendNameLine(const QString& folder, const QString& albumName, const QString& nameText, int picturesInJob);
