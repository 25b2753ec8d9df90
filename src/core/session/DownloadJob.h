// The download job: the pictures of the album being collected, and the folder they go to.
// Filled by AddPicture on the download-pass thread; the picture workers get a copy of it.
#pragma once

#include <QString>
#include <QStringList>

#include <mutex>

struct ST_DOWNJOB {
    QStringList addresses; // an entry may hold an address, CR LF and an alternative address
    QStringList names;     // file names relative to the folder, or full paths ("/...")
    QStringList headers;   // extra request header lines per picture, often empty
    QString folder;        // ends with "/"

    int count() const { return int(addresses.size()); }
    void clear() {
        addresses.clear();
        names.clear();
        headers.clear();
    }
};

// The job as the window sees it: the folder the Open button shows while pictures download.
class DownloadJobFolder {
public:
    void Set(const QString& folder) {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_folder = folder;
    }
    QString Get() const {
        const std::lock_guard<std::mutex> lock(m_lock);
        return m_folder;
    }

private:
    mutable std::mutex m_lock;
    QString m_folder;
};
