// What the engine does to the main window, by control id. The window implements it with widgets
// (every call carried out on the user-interface thread), the command line on the terminal, tests by
// recording. Any thread may call it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class WindowPort {
public:
    virtual ~WindowPort() = default;

    virtual void SetControlText(int id, const QString& text) = 0;
    virtual QString ControlText(int id) = 0;
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual void ShowControl(int id, bool shown) = 0;
    virtual bool IsControlShown(int id) = 0;
    virtual void SetChecked(int id, bool checked) = 0;

    // Combo boxes 1002 and 1035: their items and selection (-1 for none).
    virtual void SetComboItems(int id, const QStringList& items) = 0;
    virtual void SelectComboItem(int id, int index) = 0;
    virtual int ComboSelection(int id) = 0;
    // The drop-down history of box 1000 or 1001: replaced whole, or one entry appended.
    virtual void SetRecentEntries(int boxId, const QStringList& entries) = 0;
    virtual void AddRecentEntry(int boxId, const QString& entry) = 0;

    // A message box; waits for the answer.
    virtual MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons) = 0;

    virtual void OpenAddress(const QString& address) = 0;
    virtual void OpenFolder(const QString& path) = 0;

    // The album grid: show the album with this index (appending its row or cell), and the albums
    // whose rows or cells are selected, in grid order.
    virtual void ShowAlbum(int albumIndex) = 0;
    virtual QList<int> SelectedAlbums() = 0;
    // Empties the grid and builds it for the current view (unticking 1012); the thumbnails go too.
    virtual void ResetAlbumGrid() = 0;
    // Sizes the rows to their content and repaints.
    virtual void RefreshAlbumGrid() = 0;
    virtual void SelectAllAlbums() = 0;

    // Presses the Download button.
    virtual void StartDownload() = 0;

    // Start-up is done: hide the splash and show the window.
    virtual void StartupDone() = 0;
    // Ends the program at once with this exit code.
    virtual void EndProgram(int exitCode) = 0;
};
