#include "DownProc.h"

#include "FileTimes.h"
#include "session/ControlIds.h"
#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "text/FileNames.h"
#include "text/StringCtrl.h"

#include <QDir>

namespace {

constexpr int kNameLimit = 250;     // the job's folder plus a picture's name without extension
constexpr int kComponentBytes = 255; // what one file or folder name may take on Linux, in bytes

const QStringList kPictureExtensions = {".jpeg", ".jpg", ".bmp", ".gif", ".png", ".tif"};

bool HasPictureExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && kPictureExtensions.contains(name.mid(dot).toLower());
}

// Shortens the text until it takes at most maxBytes bytes in UTF-8.
QString FitBytes(QString text, int maxBytes) {
    while (!text.isEmpty() && text.toUtf8().size() > maxBytes)
        text.chop(text.size() >= 2 && text[text.size() - 1].isLowSurrogate() ? 2 : 1);
    return text;
}

struct EscapeValues {
    QString albumName;
    int pictureNumber;
    int albumNumber;
    int goodReviews;
    int sales;
    int picked;
    int albums;
    QString listFolder;
};

QString ReplaceCodes(QString text, const EscapeValues& v, bool folderCodesOnly) {
    // Code by code, ?1 to ?9: a replacement holding a later code is replaced again.
    const QString number = QString::number(v.albumNumber);
    const QString padded = QString::asprintf("%04d", v.albumNumber);
    const QString values[9] = {v.albumName,
                               QString::number(v.pictureNumber),
                               number,
                               QString::number(v.goodReviews),
                               QString::number(v.sales),
                               QString::number(v.picked),
                               QString::number(v.albums),
                               v.listFolder,
                               padded};
    for (int code = 1; code <= 9; ++code) {
        if (folderCodesOnly && code != 1 && code != 3 && code != 9)
            continue;
        text.replace(QStringLiteral("?%1").arg(code), values[code - 1]);
    }
    return text;
}

QString BaseName(const ST_SAVESET& naming, const QString& address, const QString& nameText, const QString& albumName,
                 const QString& numberText) {
    switch (naming.byFileNameSource) {
    case NAME_BY_DESCRIPTION: {
        QString name = nameText;
        CleanFileName(name, 0, false);
        return name.isEmpty() ? albumName : name;
    }
    case NAME_BY_ADDRESS: {
        const qsizetype slash = address.lastIndexOf(u'/');
        return slash >= 1 ? address.mid(slash + 1) : numberText;
    }
    default:
        return numberText;
    }
}

void MakeAlbumFolder(DownloadContext& context, const ST_SAVESET& naming, const EscapeValues& values) {
    ST_DOWNJOB& job = context.state.DownloadJob;
    QString folder = naming.byFolderSource == FOLDER_BY_ALBUM_NAME ? values.albumName : QString();
    folder = FieldText(naming.szFolderPrefix) + folder + FieldText(naming.szFolderSuffix);
    folder = ReplaceCodes(folder, values, true);
    CleanFileName(folder, 0, false);
    folder = FitBytes(folder, kComponentBytes);
    if (!folder.isEmpty())
        job.folder += folder + u'/';
    QDir().mkdir(job.folder); // one level: the base path exists; a failure shows when pictures are written
    SetFileTimes(job.folder, NowSeconds());
    context.state.JobFolder.Set(job.folder);
    const QString history = ReadHistory(job.folder);
    const std::lock_guard<std::mutex> lock(context.state.TextLock);
    context.state.PreviousFirstUrl = history;
}

} // namespace

void AddPicture(DownloadContext& context, const QString& address, const QString& nameText, const QString& headers,
                int albumIndex) {
    VantrelState& state = context.state;
    ST_DOWNJOB& job = state.DownloadJob;
    const ST_SAVESET naming = state.Settings.SaveSet(state.CurrentSite());
    const ST_PERLISTRECORD album = state.Albums.at(albumIndex);
    const QString numberText = QString::number(job.count() + 1);
    EscapeValues values{album.strName, job.count() + 1, album.nPosition + 1, album.nGoodReviews, album.nSales,
                        state.Albums.PickedCount(), state.Albums.size(), QString()};
    {
        const std::lock_guard<std::mutex> lock(state.TextLock);
        values.listFolder = state.ListFolderName;
    }

    QString name;
    if (nameText.startsWith(u'/')) {
        name = nameText; // a full path is used as it stands
    } else {
        name = FieldText(naming.szFilePrefix) + BaseName(naming, address, nameText, album.strName, numberText) +
               FieldText(naming.szFileSuffix);
        name = ReplaceCodes(name, values, false);
        ReplaceByLists(name, FieldText(naming.szReplaceList), FieldText(naming.szReplacementList));
        CleanFileName(name, kTimeNameFallback, true);
    }
    const QString uniquenessBase = name;
    if (job.count() == 0)
        MakeAlbumFolder(context, naming, values);

    const bool fullPath = name.startsWith(u'/');
    if (!fullPath) {
        const int room = std::max<int>(1, kNameLimit - int(job.folder.size()));
        if (name.size() > room)
            name.truncate(room);
    }
    QString extension = QStringLiteral(".jpg");
    if (HasPictureExtension(name)) {
        const qsizetype dot = name.lastIndexOf(u'.');
        extension = name.mid(dot);
        name.truncate(dot);
    }
    if (!fullPath)
        name = FitBytes(name, kComponentBytes - int(extension.toUtf8().size()));
    const auto taken = [&](const QString& candidate) {
        for (const QString& existing : job.names) {
            if (existing.compare(candidate, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    for (unsigned k = 1; job.count() > 0 && taken(name + extension); ++k) {
        const QString counter = QStringLiteral("(%1)").arg(k);
        // The base is shortened, never the counter, so each k gives a new name.
        const int room = kComponentBytes - int(extension.toUtf8().size() + counter.size());
        name = (fullPath ? uniquenessBase : FitBytes(uniquenessBase, room)) + counter;
    }
    name += extension;

    QString previousFirst;
    {
        const std::lock_guard<std::mutex> lock(state.TextLock);
        previousFirst = state.PreviousFirstUrl;
    }
    if ((naming.wFlags & SAVE_SKIP_DOWNLOADED) && address == previousFirst) {
        state.DownloadState = 2; // downloaded before: the album is complete from here on
        return;
    }
    job.addresses.append(address);
    job.names.append(name);
    job.headers.append(headers);
    context.port.SetControlText(ctl::ProgressLine, QStringLiteral("已获取到%1张图片信息").arg(job.count()));
    if (naming.wFlags & SAVE_NAME_FILE)
        AppendNameLine(job.folder, album.strName, nameText, job.count());
}
