// The main window's buttons, links, check boxes and dropped folders.
#include "CComboBox2.h"
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "DlgDownSet.h"
#include "DlgFind.h"
#include "DlgWebOpen.h"
#include "http/CookieJar.h"
#include "sites/SiteTable.h"
#include "LinkLabel.h"
#include "commands/Download.h"
#include "commands/GetAlbums.h"
#include "commands/SavePath.h"
#include "commands/SiteSelection.h"
#include "commands/StartupThread.h"
#include "session/ControlIds.h"
#include "sites/NoticeComponent.h"
#include "text/StoredTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>

#include <thread>

namespace {
template <typename Widget> Widget* As(QWidget* widget) {
    return static_cast<Widget*>(widget);
}
} // namespace

void CVantrelDlg::ConnectControls() {
    connect(m_addressBox, &CComboBox2::editChanged, this, [this] { ClassifyAddress(m_state, *this); });
    connect(m_addressBox, &CComboBox2::historyPicked, this, [this](const QString& text) {
        m_addressBox->setEditText(text);
        ClassifyAddress(m_state, *this);
    });
    connect(As<QComboBox>(m_controls[ctl::SiteSelector]), qOverload<int>(&QComboBox::activated), this,
            [this] { ApplySiteSelection(m_state, *this); });
    connect(As<QPushButton>(m_controls[ctl::GetAlbumsButton]), &QPushButton::clicked, this, &CVantrelDlg::OnGetAlbums);
    connect(As<QPushButton>(m_controls[ctl::DownloadButton]), &QPushButton::clicked, this, &CVantrelDlg::OnDownload);
    connect(As<QPushButton>(m_controls[ctl::SetPathButton]), &QPushButton::clicked, this, &CVantrelDlg::OnSetPath);
    connect(As<QPushButton>(m_controls[ctl::OpenPathButton]), &QPushButton::clicked, this, &CVantrelDlg::OnOpenPath);
    connect(As<QCheckBox>(m_controls[ctl::SelectAllBox]), &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            m_grid->SelectAllAlbums();
        else
            m_grid->clearSelection();
    });
    connect(As<QCheckBox>(m_controls[ctl::ThumbnailBox]), &QCheckBox::clicked, this, &CVantrelDlg::OnThumbnailBox);
    connect(As<LinkLabel>(m_controls[ctl::GoodReviewLink]), &LinkLabel::clicked, this,
            [this] { OnSortLink(ctl::GoodReviewLink); });
    connect(As<LinkLabel>(m_controls[ctl::DiscoveryOrderLink]), &LinkLabel::clicked, this,
            [this] { OnSortLink(ctl::DiscoveryOrderLink); });
    connect(As<LinkLabel>(m_controls[ctl::ExportLink]), &LinkLabel::clicked, this, &CVantrelDlg::OnExportCsv);
    connect(As<LinkLabel>(m_controls[ctl::FindLink]), &LinkLabel::clicked, this, &CVantrelDlg::OnFind);
    connect(As<LinkLabel>(m_controls[ctl::FilterLink]), &LinkLabel::clicked, this, &CVantrelDlg::OnFilter);
    connect(As<LinkLabel>(m_controls[ctl::UpdateLink]), &LinkLabel::clicked, this,
            [this] { OpenAddress(m_options.notices().updateAddress); });
    connect(As<LinkLabel>(m_controls[ctl::MakerLink]), &LinkLabel::clicked, this,
            [this] { OpenAddress(Deciphered(stored::kMakerAddress)); });
    connect(this, &QDialog::finished, qApp, &QCoreApplication::quit);
}

void CVantrelDlg::OnGetAlbums() {
    PressGetAlbums(m_state, *this, [this] { return StartEngineThread([this] { FetchAlbumList(m_state, *this); }); });
}

void CVantrelDlg::OnDownload() {
    PressDownload(m_state, *this, [this] { return StartEngineThread([this] { RunDownloadPass(m_state, *this); }); });
}

void CVantrelDlg::OnSetPath() {
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("请选择文件保存目录："),
                                                             m_savePathBox->currentText());
    if (folder.isEmpty())
        return;
    UseSavePath(m_state, *this, folder.endsWith(u'/') ? folder : folder + u'/');
}

void CVantrelDlg::OnOpenPath() {
    // While pictures download, the album's own folder.
    const QString path = m_state.WorkersRunning ? m_state.JobFolder.Get() : m_savePathBox->currentText();
    if (!path.isEmpty())
        OpenFolder(path);
}

void CVantrelDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CVantrelDlg::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    UseSavePath(m_state, *this, DroppedSavePath(urls.first().toLocalFile()));
    event->acceptProposedAction();
}

void CVantrelDlg::OnFind() {
    if (!m_findDialog)
        m_findDialog = new CDlgFind(this, true); // kept for the rest of the run
    m_findDialog->Grid = m_grid;
    m_grid->SetSingleRowSelection(true);
    m_findDialog->SetFindMode(true);
    m_findDialog->show();
    m_findDialog->move(geometry().center() - m_findDialog->rect().center());
}

void CVantrelDlg::OnFilter() {
    if (m_findDialog)
        m_findDialog->hide();
    CDlgFind filter(nullptr, false);
    if (filter.exec() == QDialog::Accepted)
        ApplyFilter(filter.Keyword);
}

void CVantrelDlg::ApplyFilter(const QString& keyword) {
    {
        const std::lock_guard<std::mutex> lock(m_state.TextLock);
        m_state.AlbumFilter = keyword;
    }
    m_grid->setRowCount(m_grid->FixedRows());
    RefillAlbumGrid();
}

void CVantrelDlg::OnDownloadSettings() {
    const int site = std::clamp(m_state.CurrentSite(), 0, kSiteSlots - 1);
    CDlgDownSet dialog(m_state.Settings.DownSet(site), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_state.Settings.Change([&](ST_SOFTDATA& data) {
        data.downSets[site] = dialog.Slot();
        return true;
    });
}

void CVantrelDlg::OnFileNameSettings() {
    const int site = std::clamp(m_state.CurrentSite(), 0, kSiteSlots - 1);
    CDlgSaveSet dialog(m_state.Settings.SaveSet(site), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_state.Settings.Change([&](ST_SOFTDATA& data) {
        // The flags are the menu's: only the dialog's own fields change.
        const uint16_t flags = data.saveSets[site].wFlags;
        data.saveSets[site] = dialog.Slot();
        data.saveSets[site].wFlags = flags;
        return true;
    });
}

void CVantrelDlg::OnLoginCommand(int commandId) {
    const QString page = LoginPageAddress(commandId, m_addressBox->currentText(),
                                          As<QComboBox>(m_controls[ctl::SubSiteBox])->currentIndex());
    if (page.isEmpty())
        return; // not a login command (the import and export items do nothing)
    if (m_loginBrowser) {
        // One login window at a time: the one kept open beside the window goes first.
        delete m_loginBrowser;
        m_loginBrowser = nullptr;
    }
    if (IsModelessLogin(commandId)) {
        m_loginBrowser = new CDlgWebOpen(page, this);
        m_loginBrowser->show();
        return;
    }
    CDlgWebOpen browser(page, this);
    browser.exec();
    SaveCookieJar();
}
