// A window port that records what the engine did to the window, for tests without a screen.
#pragma once

#include "session/WindowPort.h"

#include <QMap>
#include <QSet>

#include <mutex>

class RecordingPort : public WindowPort {
public:
    struct Message {
        QString text;
        QString caption;
        MessageButtons buttons;
    };

    void SetControlText(int id, const QString& text) override;
    QString ControlText(int id) override;
    void EnableControl(int id, bool enabled) override;
    void ShowControl(int id, bool shown) override;
    bool IsControlShown(int id) override;
    void SetChecked(int id, bool checked) override;
    void SetComboItems(int id, const QStringList& items) override;
    void SelectComboItem(int id, int index) override;
    int ComboSelection(int id) override;
    void SetRecentEntries(int boxId, const QStringList& entries) override;
    void AddRecentEntry(int boxId, const QString& entry) override;
    MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) override;
    void OpenAddress(const QString& address) override;
    void OpenFolder(const QString& path) override;
    void ShowAlbum(int albumIndex) override;
    QList<int> SelectedAlbums() override;
    void ResetAlbumGrid() override;
    void RefreshAlbumGrid() override;
    void SelectAllAlbums() override;
    void StartDownload() override;
    void StartupDone() override;
    void EndProgram(int exitCode) override;

    // What the tests read and arrange; guard with lock() when threads are still running.
    std::mutex& lock() { return m_lock; }
    QMap<int, QString> texts;
    QSet<int> disabled;
    QSet<int> hidden;
    QMap<int, bool> checked;
    QMap<int, QStringList> comboItems;
    QMap<int, int> comboSelection;
    QMap<int, QStringList> recent;
    QList<Message> messages;
    MessageAnswer nextAnswer = MessageAnswer::Ok;
    QStringList openedAddresses;
    QStringList openedFolders;
    QList<int> shownAlbums;
    QList<int> selected;
    int gridResets = 0;
    int gridRefreshes = 0;
    int selectAllCount = 0;
    int downloadsStarted = 0;
    int startupDoneCount = 0;
    int exitCode = -1;

private:
    std::mutex m_lock;
};
