// The main window: dialog 102 with its controls and menu, the owner of the program's state, and the
// window port through which the engine's threads reach the controls (every call carried out on the
// user-interface thread).
#pragma once

#include "session/VantrelState.h"
#include "session/WindowPort.h"
#include "sites/NoticeComponent.h"

#include <QDialog>
#include <QHash>
#include <QPixmap>

#include <atomic>
#include <functional>
#include <thread>

class CComboBox2;
class CDlgFind;
class CMyGridCtrl;
class CSplashScreenEx;
class QComboBox;
class QMenu;
class QMenuBar;

class CVantrelDlg : public QDialog, public WindowPort {
    Q_OBJECT
public:
    struct Options {
        QString programDir;   // empty: the working directory
        QString documentsDir; // empty: the user's documents folder
        std::function<NoticeData()> notices = FetchNoticeData;
        bool showSplash = true;
        // Tests: answers message boxes instead of showing them.
        std::function<MessageAnswer(const QString& text)> answerMessage;
    };

    explicit CVantrelDlg(Options options);
    explicit CVantrelDlg() : CVantrelDlg(Options{}) {}
    ~CVantrelDlg() override;

    // Builds the controls, loads the settings, shows the splash and starts the start-up thread. The
    // window shows itself when that thread reports.
    void Initialise();

    VantrelState& State() { return m_state; }
    QWidget* Control(int id) const { return m_controls.value(id); }
    CComboBox2* AddressBox() const { return m_addressBox; }
    CComboBox2* SavePathBox() const { return m_savePathBox; }
    CMyGridCtrl* AlbumGrid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QMenu* SystemMenu() const { return m_systemMenu; }
    CSplashScreenEx* Splash() const { return m_splash; }
    CDlgFind* FindDialog() const { return m_findDialog; }
    const QList<QPixmap>& ThumbImages() const { return m_thumbImages; }
    class CDlgWebOpen* LoginBrowser() const { return m_loginBrowser; }
    // Filters the list view to the albums whose names contain the keyword (the filter dialog's OK).
    void ApplyFilter(const QString& keyword);
    // Writes every row of the grid from the second on as CSV lines.
    bool WriteGridCsv(const QString& fileName);
    // Waits for the start-up thread (tests).
    void JoinStartupThread();
    // Waits, answering the threads' calls, until no list fetch or other engine thread runs (tests
    // and destruction; the program itself ends without waiting).
    void WaitForThreads();

    // WindowPort
    void SetControlText(int id, const QString& text) override;
    QString ControlText(int id) override;
    void EnableControl(int id, bool enabled) override;
    void ShowControl(int id, bool shown) override;
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
    bool IsControlShown(int id) override;
    void StartDownload() override;
    void StartupDone() override;
    void EndProgram(int exitCode) override;

signals:
    void startupFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ConnectControls();
    void SetupAlbumGrid();
    // Appends the album's row or cell; in the thumbnail view it first makes a missing thumbnail
    // unless the calling thread has just tried.
    void ShowAlbumNow(int albumIndex, bool makeMissingThumbnail = true);
    void RefillAlbumGrid();
    void OnGetAlbums();
    void OnDownload();
    void OnSetPath();
    void OnOpenPath();
    void OnSortLink(int linkId);
    void OnExportCsv();
    void OnFind();
    void OnThumbnailBox(bool ticked);
    void StartGridRefill();
    // Makes the album's thumbnail when it has none, on the calling thread; the image list and the
    // record change on the user-interface thread, while the list is still of that generation.
    void EnsureThumbnail(int albumIndex, uint64_t generation);
    void OnLoginCommand(int commandId);
    void OnFilter();
    void OnDownloadSettings();
    void OnFileNameSettings();
    void LoadSettings();
    void ShowSplash();
    void OnMenuCommand(int commandId);
    void OnPopupOpening(QMenu* popup);
    void ShowAbout();
    void OnStartupDone();

    template <typename F> void RunOnUi(F&& call);
    // Starts an engine thread that the window counts while it runs; false when it cannot start.
    bool StartEngineThread(std::function<void()> body);
    template <typename R, typename F> R CallOnUi(F&& call);

    Options m_options;
    VantrelState m_state;
    QHash<int, QWidget*> m_controls;
    CComboBox2* m_addressBox = nullptr;
    CComboBox2* m_savePathBox = nullptr;
    CMyGridCtrl* m_grid = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_systemMenu = nullptr;
    CSplashScreenEx* m_splash = nullptr;
    CDlgFind* m_findDialog = nullptr;
    QList<QPixmap> m_thumbImages;
    class CDlgWebOpen* m_loginBrowser = nullptr;
    std::thread m_startupThread;
    std::atomic<bool> m_startupThreadDone{false};
    std::atomic<int> m_engineThreads{0};
};
