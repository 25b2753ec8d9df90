// The main window's state that the engine's threads read and write: the album list, the settings
// record, the state bytes and the texts of the current list. One object lives as long as the window.
#pragma once

#include "DownloadJob.h"
#include "albums/AlbumList.h"
#include "settings/ExtensionIni.h"
#include "settings/SoftData.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>

// The settings record with its file. Readers take a copy; writers change it under the lock and the
// change is saved whole right away.
class SettingsStore {
public:
    void SetPath(const QString& path);
    QString Path() const;

    // Loads the file (clamps and first-run defaults) and saves it back. Returns whether it opened.
    bool Load();
    bool Save();

    ST_SOFTDATA Copy() const;
    ST_DOWNSET DownSet(int site) const;
    ST_SAVESET SaveSet(int site) const;
    // Changes the record under the lock, then saves it when the change returns true.
    bool Change(const std::function<bool(ST_SOFTDATA&)>& change);

private:
    mutable std::mutex m_lock;
    std::mutex m_saveLock; // taken before m_lock, never inside it
    QString m_path;
    ST_SOFTDATA m_data{};
};

struct VantrelState {
    AlbumList Albums;
    SettingsStore Settings;

    std::atomic<int> SiteNumber{0};
    std::atomic<int> ListPageKind{-1};
    std::atomic<uint8_t> ListFetchState{0}; // 0 idle, 1 running, 2 stop requested
    std::atomic<uint8_t> DownloadState{0};  // 0 idle, 1 running, 2 stop this album, 3 stop requested
    std::atomic<uint8_t> ThumbState{0};     // 0 idle, 1 running, 2 stop requested
    std::atomic<uint8_t> ThumbMode{0};      // 1 while the grid shows thumbnails
    std::atomic<uint8_t> Ready{0};          // 1 once start-up has finished

    static constexpr int ThumbsPerRow = 6;
    static constexpr int ThumbWidth = 113;
    static constexpr int ThumbHeight = 120;

    // The picture workers: the stop flag the Download button raises, and whether workers run (the
    // Open button then shows the album's folder).
    std::atomic<uint8_t> WorkerStopFlag{0};
    std::atomic<uint8_t> WorkersRunning{0};
    // The download job, used by the download-pass thread alone; its folder as the window sees it.
    ST_DOWNJOB DownloadJob;
    DownloadJobFolder JobFolder;

    // Texts of the current list and pass. Written by one thread while the window's states keep the
    // others from reading them; the lock makes that visible to the tools too.
    QString ProgramDir; // set once at start, ends with "/"
    QString ListFolderName;
    QString ListSubFolderName;
    QString OfferPageText;
    QString PreviousFirstUrl;
    QString AlbumFilter;
    ExtensionSettings Extension;
    mutable std::mutex TextLock;

    int CurrentSite() const { return SiteNumber.load(); }
};
