#include "AlbumList.h"

#include "text/FileNames.h"

#include <algorithm>

int AlbumList::FindAlbumNameLocked(const QString& name) const {
    for (const ST_PERLISTRECORD& record : m_records) {
        if (record.strName == name)
            return 0;
    }
    return -1;
}

int AlbumList::FindAlbumName(const QString& name) const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return FindAlbumNameLocked(name);
}

int AlbumList::AddAlbum(const ST_PERLISTRECORD& album) {
    QString name = album.strName;
    CleanFileName(name, kTimeNameFallback, true);

    const std::lock_guard<std::mutex> lock(m_lock);
    ST_PERLISTRECORD record = album;
    record.nThumbIndex = -1;
    record.nPosition = int(m_records.size());
    QString candidate = name;
    for (unsigned counter = 1; FindAlbumNameLocked(candidate) == 0; ++counter)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(counter);
    record.strName = candidate;
    m_records.push_back(std::move(record));
    return int(m_records.size());
}

void AlbumList::EmptyAlbums() {
    const std::lock_guard<std::mutex> lock(m_lock);
    ++m_generation;
    m_records.clear();
}

template <typename Less> void AlbumList::SortLocked(Less less) {
    const std::lock_guard<std::mutex> lock(m_lock);
    ++m_generation;
    std::sort(m_records.begin(), m_records.end(), less);
}

void AlbumList::SortByGoodReviewsDescending() {
    SortLocked([](const auto& a, const auto& b) { return b.nGoodReviews < a.nGoodReviews; });
}

void AlbumList::SortByGoodReviewsAscending() {
    SortLocked([](const auto& a, const auto& b) { return a.nGoodReviews < b.nGoodReviews; });
}

void AlbumList::SortByPosition() {
    SortLocked([](const auto& a, const auto& b) { return a.nPosition < b.nPosition; });
}

int AlbumList::size() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return int(m_records.size());
}

ST_PERLISTRECORD AlbumList::at(int index) const {
    const std::lock_guard<std::mutex> lock(m_lock);
    if (index < 0 || index >= int(m_records.size()))
        return ST_PERLISTRECORD();
    return m_records[index];
}

std::vector<ST_PERLISTRECORD> AlbumList::snapshot() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_records;
}

bool AlbumList::update(int index, const std::function<void(ST_PERLISTRECORD&)>& change) {
    const std::lock_guard<std::mutex> lock(m_lock);
    if (index < 0 || index >= int(m_records.size()))
        return false;
    change(m_records[index]);
    return true;
}

int AlbumList::PickedCount() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_pickedCount;
}

void AlbumList::SetPickedCount(int count) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_pickedCount = count;
}

uint64_t AlbumList::Generation() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_generation;
}

bool AlbumList::SetThumbIndex(uint64_t generation, int index, int thumbIndex) {
    const std::lock_guard<std::mutex> lock(m_lock);
    if (generation != m_generation || index < 0 || index >= int(m_records.size()))
        return false;
    m_records[index].nThumbIndex = thumbIndex;
    return true;
}
