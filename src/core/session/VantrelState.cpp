#include "VantrelState.h"

void SettingsStore::SetPath(const QString& path) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_path = path;
}

QString SettingsStore::Path() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_path;
}

bool SettingsStore::Load() {
    ST_SOFTDATA loaded;
    const std::lock_guard<std::mutex> saving(m_saveLock);
    const QString path = Path();
    const bool opened = LoadSoftData(path, loaded);
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_data = loaded;
    }
    SaveSoftData(path, loaded);
    return opened;
}

bool SettingsStore::Save() {
    const std::lock_guard<std::mutex> saving(m_saveLock);
    return SaveSoftData(Path(), Copy());
}

ST_SOFTDATA SettingsStore::Copy() const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_data;
}

ST_DOWNSET SettingsStore::DownSet(int site) const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_data.downSets[std::clamp(site, 0, kSiteSlots - 1)];
}

ST_SAVESET SettingsStore::SaveSet(int site) const {
    const std::lock_guard<std::mutex> lock(m_lock);
    return m_data.saveSets[std::clamp(site, 0, kSiteSlots - 1)];
}

bool SettingsStore::Change(const std::function<bool(ST_SOFTDATA&)>& change) {
    // Held across the save, so the file always ends with the newest change.
    const std::lock_guard<std::mutex> saving(m_saveLock);
    ST_SOFTDATA changed;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        if (!change(m_data))
            return false;
        changed = m_data;
    }
    SaveSoftData(Path(), changed);
    return true;
}
