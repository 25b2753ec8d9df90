#include "RecordingPort.h"

using Guard = std::lock_guard<std::mutex>;

void RecordingPort::SetControlText(int id, const QString& text) {
    Guard g(m_lock);
    texts[id] = text;
}
QString RecordingPort::ControlText(int id) {
    Guard g(m_lock);
    // A copy of its own: callers on other threads never share the text's data with the recorder.
    const QString& text = texts[id];
    return QString(text.constData(), text.size());
}
void RecordingPort::EnableControl(int id, bool enabled) {
    Guard g(m_lock);
    if (enabled)
        disabled.remove(id);
    else
        disabled.insert(id);
}
void RecordingPort::ShowControl(int id, bool shown) {
    Guard g(m_lock);
    if (shown)
        hidden.remove(id);
    else
        hidden.insert(id);
}
bool RecordingPort::IsControlShown(int id) {
    Guard g(m_lock);
    return !hidden.contains(id);
}
void RecordingPort::SetChecked(int id, bool on) {
    Guard g(m_lock);
    checked[id] = on;
}
void RecordingPort::SetComboItems(int id, const QStringList& items) {
    Guard g(m_lock);
    comboItems[id] = items;
    comboSelection[id] = -1;
}
void RecordingPort::SelectComboItem(int id, int index) {
    Guard g(m_lock);
    // Like a real drop-down list: an index outside the items selects nothing.
    comboSelection[id] = index >= 0 && index < comboItems.value(id).size() ? index : -1;
}
int RecordingPort::ComboSelection(int id) {
    Guard g(m_lock);
    return comboSelection.value(id, -1);
}
void RecordingPort::SetRecentEntries(int boxId, const QStringList& entries) {
    Guard g(m_lock);
    recent[boxId] = entries;
}
void RecordingPort::AddRecentEntry(int boxId, const QString& entry) {
    Guard g(m_lock);
    recent[boxId].append(entry);
}
MessageAnswer RecordingPort::MessageBox(const QString& text, const QString& caption, MessageButtons buttons) {
    Guard g(m_lock);
    messages.append({text, caption, buttons});
    return nextAnswer;
}
void RecordingPort::OpenAddress(const QString& address) {
    Guard g(m_lock);
    openedAddresses.append(address);
}
void RecordingPort::OpenFolder(const QString& path) {
    Guard g(m_lock);
    openedFolders.append(path);
}
void RecordingPort::ShowAlbum(int albumIndex) {
    Guard g(m_lock);
    shownAlbums.append(albumIndex);
}
QList<int> RecordingPort::SelectedAlbums() {
    Guard g(m_lock);
    return selected;
}
void RecordingPort::StartDownload() {
    Guard g(m_lock);
    ++downloadsStarted;
}
void RecordingPort::StartupDone() {
    Guard g(m_lock);
    ++startupDoneCount;
}
void RecordingPort::EndProgram(int code) {
    Guard g(m_lock);
    exitCode = code;
}
void RecordingPort::ResetAlbumGrid() {
    Guard g(m_lock);
    ++gridResets;
    shownAlbums.clear();
    checked[1012] = false;
}
void RecordingPort::RefreshAlbumGrid() {
    Guard g(m_lock);
    ++gridRefreshes;
}
void RecordingPort::SelectAllAlbums() {
    Guard g(m_lock);
    ++selectAllCount;
    selected = shownAlbums;
}
