// The file-name cleaner and AddPicture under arbitrary naming settings, addresses and name texts:
// every name stays inside the album folder, is not empty and fits a Linux file name.
#include "FuzzInput.h"
#include "RecordingPort.h"
#include "commands/SettingsDialogs.h"
#include "download/DownProc.h"
#include "session/VantrelState.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    if (size < 2)
        return 0;
    const uint8_t source = data[0] % 3, folderSource = data[1] % 2;
    const QList<QByteArray> p = Pieces(data + 2, size - 2, 10);
    VantrelState state;
    state.ProgramDir = dir.path() + u'/';
    state.SiteNumber = 11;
    state.Settings.SetPath(dir.path() + QStringLiteral("/soft.dat"));
    state.Settings.Change([&](ST_SOFTDATA& d) {
        ST_SAVESET& s = d.saveSets[11];
        ApplySaveSetInput(s, {Text(p[0]), Text(p[1]), Text(p[2]), Text(p[3]), Text(p[4]), Text(p[5]), source,
                              folderSource});
        s.wFlags = SAVE_NAME_FILE | SAVE_SKIP_DOWNLOADED;
        return true;
    });
    ST_PERLISTRECORD album;
    album.strName = Text(p[6]);
    state.Albums.AddAlbum(album);
    state.ListFolderName = Text(p[7]);
    const QString base = dir.path() + QStringLiteral("/base/");
    state.DownloadJob.folder = base;
    state.DownloadState = 1;
    RecordingPort port;
    DownloadContext context{state, port, nullptr, FetchUrl};
    const QStringList texts = Text(p[9]).split(u'\n');
    for (const QString& text : texts.mid(0, 20)) {
        if (text.startsWith(u'/'))
            continue; // a full path is the caller's own choice; no parser makes one
        AddPicture(context, Text(p[8]), text, QString(), 0);
        if (state.DownloadState == 2)
            break;
    }
    const ST_DOWNJOB& job = state.DownloadJob;
    FUZZ_CHECK(job.folder.startsWith(base) && job.folder.endsWith(u'/'));
    FUZZ_CHECK(job.folder.count(u'/') <= base.count(u'/') + 1 && !job.folder.contains(QStringLiteral("/../")));
    for (const QString& name : job.names) {
        FUZZ_CHECK(!name.isEmpty() && !name.contains(u'/') && name != QLatin1String(".") && name != QLatin1String(".."));
        FUZZ_CHECK(name.toUtf8().size() <= 255);
    }
    for (int i = 0; i < job.names.size(); ++i)
        for (int j = i + 1; j < job.names.size(); ++j)
            FUZZ_CHECK(job.names[i].compare(job.names[j], Qt::CaseInsensitive) != 0);
    return 0;
}
