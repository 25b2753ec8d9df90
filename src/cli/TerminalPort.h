// The window port on a terminal: status texts and progress to standard error (the progress line
// updating in place on a terminal), message boxes as "message: TEXT", the address and save path
// boxes holding what the command line gave.
#pragma once

#include "session/WindowPort.h"

#include <QMap>

#include <mutex>

class TerminalPort : public WindowPort {
public:
    TerminalPort(const QString& address, const QString& savePath);

    void SetControlText(int id, const QString& text) override;
    QString ControlText(int id) override;
    void EnableControl(int, bool) override {}
    void ShowControl(int, bool) override {}
    bool IsControlShown(int) override { return false; }
    void SetChecked(int, bool) override {}
    void SetComboItems(int, const QStringList&) override {}
    void SelectComboItem(int, int) override {}
    int ComboSelection(int) override { return -1; }
    void SetRecentEntries(int, const QStringList&) override {}
    void AddRecentEntry(int, const QString&) override {}
    MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) override;
    void OpenAddress(const QString&) override {}
    void OpenFolder(const QString&) override {}
    void ShowAlbum(int) override {}
    QList<int> SelectedAlbums() override;
    void ResetAlbumGrid() override {}
    void RefreshAlbumGrid() override {}
    void SelectAllAlbums() override {}
    void StartDownload() override {}
    void StartupDone() override {}
    void EndProgram(int exitCode) override;

    void SetSelection(const QList<int>& albums);
    // Ends a progress line that is still open.
    void FinishLine();

private:
    std::mutex m_lock;
    QMap<int, QString> m_texts;
    QList<int> m_selection;
    bool m_terminal;
    bool m_lineOpen = false;
};
