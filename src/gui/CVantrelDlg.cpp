#include "CVantrelDlg.h"

#include "CAboutDlg.h"
#include "CComboBox2.h"
#include "CMyGridCtrl.h"
#include "CSplashScreenEx.h"
#include "DialogUnits.h"
#include "LinkLabel.h"
#include "MainMenu.h"
#include "ProductTitle.h"
#include "commands/OptionFlags.h"
#include "commands/SiteSelection.h"
#include "commands/StartupThread.h"
#include "http/CookieJar.h"
#include "session/ControlIds.h"
#include "session/StartupRules.h"
#include "text/StoredTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>

CVantrelDlg::CVantrelDlg(Options options) : QDialog(nullptr), m_options(std::move(options)) {
    setFont(DialogFont());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
}

CVantrelDlg::~CVantrelDlg() {
    JoinStartupThread();
    WaitForThreads();
}

void CVantrelDlg::WaitForThreads() {
    while (m_engineThreads.load() > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents(); // their last queued calls
}

bool CVantrelDlg::StartEngineThread(std::function<void()> body) {
    ++m_engineThreads;
    try {
        std::thread([this, body = std::move(body)] {
            body();
            --m_engineThreads;
        }).detach();
        return true;
    } catch (const std::system_error&) {
        --m_engineThreads;
        return false;
    }
}

void CVantrelDlg::JoinStartupThread() {
    if (!m_startupThread.joinable())
        return;
    // The thread may be waiting for this thread to answer a call of the window port.
    while (!m_startupThreadDone.load())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    m_startupThread.join();
    QCoreApplication::processEvents(); // its last queued calls
}

void CVantrelDlg::Initialise() {
    CreateMenus();
    setWindowIcon(QIcon(QStringLiteral(":/vantrel/icon.png")));
    setWindowTitle(kProductTitle);
    CreateControls();
    ConnectControls();
    SetControlText(ctl::StartupNotice, Deciphered(stored::kStartupNoticeText));
    SetupAlbumGrid();

    const QString clipboard = ClipboardAddress(QGuiApplication::clipboard()->text());
    if (!clipboard.isEmpty())
        m_addressBox->setEditText(clipboard);

    const QString programDir = WithTrailingSlash(
        m_options.programDir.isEmpty() ? QDir::currentPath() : QDir(m_options.programDir).absolutePath());
    m_state.ProgramDir = programDir;
    const QString documents = m_options.documentsDir.isEmpty()
                                  ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                  : m_options.documentsDir;
    LoadSettings();
    LoadCookieJar(programDir);
    m_savePathBox->setEditText(InitialSavePath(programDir, documents, m_state.Settings.Copy()));
    if (m_state.ThumbMode == 1)
        SetChecked(ctl::ThumbnailBox, true);

    if (m_options.showSplash)
        ShowSplash();
    m_startupThread = std::thread([this] {
        RunStartupThread(m_state, *this, m_options.notices,
                         [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
        m_startupThreadDone = true;
        emit startupFinished();
    });
    hide();
    EnableControl(ctl::MakerLink, true);
}

void CVantrelDlg::LoadSettings() {
    m_state.Settings.SetPath(m_state.ProgramDir + QStringLiteral("soft.dat"));
    m_state.Settings.Load();
    const ST_SOFTDATA settings = m_state.Settings.Copy();
    SetRecentEntries(ctl::AddressBox, RecentEntries(settings, RECENT_ADDRESSES));
    SetRecentEntries(ctl::SavePathBox, RecentEntries(settings, RECENT_SAVE_PATHS));
}

void CVantrelDlg::ShowSplash() {
    m_splash = new CSplashScreenEx(this, Deciphered(stored::kSplashText));
    m_splash->SetBitmap(QStringLiteral(":/vantrel/splash.png"));
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    m_splash->SetTextFont(font);
    m_splash->SetTextRect(QRect(QPoint(30, 50), QPoint(291, 160)));
    m_splash->SetTextColour(Qt::white);
    m_splash->SetTextFormat(Qt::TextWordWrap | Qt::AlignVCenter | Qt::AlignLeft);
    connect(m_splash, &QObject::destroyed, this, [this] { m_splash = nullptr; });
    m_splash->Show();
}

void CVantrelDlg::OnStartupDone() {
    if (m_splash)
        m_splash->Hide();
    show();
    m_state.Ready = 1;
}

void CVantrelDlg::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    BuildMainMenu(m_menuBar);
    for (QAction* top : m_menuBar->actions()) {
        QMenu* popup = top->menu();
        if (!popup)
            continue;
        connect(popup, &QMenu::aboutToShow, this, [this, popup] { OnPopupOpening(popup); });
        for (QAction* action : CommandActions(popup))
            connect(action, &QAction::triggered, this, [this, action] { OnMenuCommand(action->data().toInt()); });
    }
    // The system menu: Alt+Space or a right click on the window's surface.
    m_systemMenu = new QMenu(this);
    m_systemMenu->addAction(QStringLiteral("最小化"), this, &QWidget::showMinimized);
    m_systemMenu->addAction(QStringLiteral("关闭"), this, &QWidget::close);
    m_systemMenu->addSeparator();
    QAction* about = m_systemMenu->addAction(QStringLiteral("关于"), this, &CVantrelDlg::ShowAbout);
    about->setData(cmd::About);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this, [this] { m_systemMenu->popup(mapToGlobal(QPoint(0, 0))); });
}

void CVantrelDlg::contextMenuEvent(QContextMenuEvent* event) {
    m_systemMenu->popup(event->globalPos());
}

void CVantrelDlg::OnPopupOpening(QMenu* popup) {
    for (QAction* action : CommandActions(popup)) {
        const int id = action->data().toInt();
        if (OptionFlagOfCommand(id) == 0)
            continue;
        const OptionMenuItem item = OptionMenuItemState(m_state, id);
        action->setCheckable(true);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
    }
}

void CVantrelDlg::OnMenuCommand(int commandId) {
    if (ToggleOptionFlag(m_state, commandId))
        return;
    switch (commandId) {
    case cmd::Feedback:
        OpenAddress(QStringLiteral("https://vantrel.example/feedback"));
        break;
    case cmd::Consultation:
        OpenAddress(Deciphered(stored::kConsultationAddress));
        break;
    case cmd::Instructions:
        OpenAddress(Deciphered(stored::kInstructionsAddress));
        break;
    case cmd::FileProcessing:
        OpenAddress(Deciphered(stored::kFileProcessingAddress));
        break;
    case cmd::VersionInfo:
        ShowAbout();
        break;
    case cmd::DownloadSettings:
        OnDownloadSettings();
        break;
    case cmd::FileNameSettings:
        OnFileNameSettings();
        break;
    default:
        OnLoginCommand(commandId);
        break;
    }
}

void CVantrelDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CVantrelDlg::closeEvent(QCloseEvent* event) {
    // No repaint may touch the grid while the window goes away.
    m_grid->setUpdatesEnabled(false);
    QDialog::closeEvent(event);
}
