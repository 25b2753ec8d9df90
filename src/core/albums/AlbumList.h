// The album records and the list that owns them. The list fetch adds albums on its thread while the
// window reads them, so every access goes through the list's lock and hands out copies.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

struct ST_PERLISTRECORD {
    QString strName;         // unique within the list; also the album's folder name
    QString strAddress;      // the item page
    QString strCoverAddress; // the cover picture
    QString strExtra1;
    QString strExtra2;
    int nPictureCount = -1;  // -1: no count
    int nRemark = 0;         // >= 0: flags 1, 2, 4; < 0: the low 31 bits as a number
    int nGoodReviews = 0;
    int nSales = 0;
    int nPosition = 0;       // order of discovery, never changed after adding
    int nThumbIndex = -1;    // index into the thumbnail image list; -1 while none
};

class AlbumList {
public:
    // Adds a copy of the template with its name cleaned and made unique ("%s (%u)"); returns the new
    // size. Any thread.
    int AddAlbum(const ST_PERLISTRECORD& album);
    // 0 when some album has exactly this name, -1 when none has.
    int FindAlbumName(const QString& name) const;
    void EmptyAlbums();

    void SortByGoodReviewsDescending();
    void SortByGoodReviewsAscending();
    void SortByPosition();

    int size() const;
    bool isEmpty() const { return size() == 0; }
    // A copy of the album at the index; a default record for an index out of range.
    ST_PERLISTRECORD at(int index) const;
    std::vector<ST_PERLISTRECORD> snapshot() const;
    // Changes one record in place under the lock; false for an index out of range.
    bool update(int index, const std::function<void(ST_PERLISTRECORD&)>& change);

    // Changes whenever records are freed or moved (emptied, sorted): a reader that took a snapshot
    // writes back only while the generation is the same.
    uint64_t Generation() const;
    // Sets the thumbnail index when the list is still of that generation.
    bool SetThumbIndex(uint64_t generation, int index, int thumbIndex);

    int PickedCount() const;
    void SetPickedCount(int count);

private:
    int FindAlbumNameLocked(const QString& name) const;
    template <typename Less> void SortLocked(Less less);

    mutable std::mutex m_lock;
    std::vector<ST_PERLISTRECORD> m_records;
    int m_pickedCount = 0;
    uint64_t m_generation = 0;
};
