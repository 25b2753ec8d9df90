// The window port of the main window: the engine's calls carried out on the user-interface thread.
// A call that returns something waits for it there; a call that only sets something is queued in
// order.
#include "CComboBox2.h"
#include "CMyGridCtrl.h"
#include "CVantrelDlg.h"
#include "VantrelDlgUi.h"
#include "LinkLabel.h"
#include "ProductTitle.h"
#include "session/ControlIds.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include <unistd.h>

void CVantrelDlg::SetControlText(int id, const QString& text) {
    RunOnUi([this, id, text] {
        QWidget* widget = m_controls.value(id);
        if (auto* link = qobject_cast<LinkLabel*>(widget))
            link->SetMarkup(text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(text);
        else if (auto* box = qobject_cast<QComboBox*>(widget); box && box->isEditable())
            box->setEditText(text);
    });
}

QString CVantrelDlg::ControlText(int id) {
    return CallOnUi<QString>([this, id]() -> QString {
        QWidget* widget = m_controls.value(id);
        if (auto* link = qobject_cast<LinkLabel*>(widget))
            return link->Markup();
        if (auto* label = qobject_cast<QLabel*>(widget))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            return group->title();
        if (auto* box = qobject_cast<QComboBox*>(widget))
            return box->currentText();
        return QString();
    });
}

void CVantrelDlg::EnableControl(int id, bool enabled) {
    RunOnUi([this, id, enabled] {
        if (QWidget* widget = m_controls.value(id))
            widget->setEnabled(enabled);
    });
}

void CVantrelDlg::ShowControl(int id, bool shown) {
    RunOnUi([this, id, shown] {
        QWidget* widget = m_controls.value(id);
        if (!widget)
            return;
        widget->setVisible(shown);
        if (id == ctl::SubSiteBox) {
            // The address box follows the sub-site box: beside it, or widened over its place.
            QRect address = m_addressBox->geometry();
            address.setLeft(shown ? widget->geometry().x() + widget->width() + 3 : widget->geometry().x());
            m_addressBox->setGeometry(address);
        }
    });
}

void CVantrelDlg::SetChecked(int id, bool checked) {
    RunOnUi([this, id, checked] {
        if (auto* box = qobject_cast<QAbstractButton*>(m_controls.value(id))) {
            const QSignalBlocker quiet(box); // only a user's click is a command
            box->setChecked(checked);
        }
    });
}

void CVantrelDlg::SetComboItems(int id, const QStringList& items) {
    RunOnUi([this, id, items] {
        if (auto* box = qobject_cast<QComboBox*>(m_controls.value(id))) {
            box->clear();
            box->addItems(items);
            box->setCurrentIndex(-1);
        }
    });
}

void CVantrelDlg::SelectComboItem(int id, int index) {
    RunOnUi([this, id, index] {
        if (auto* box = qobject_cast<QComboBox*>(m_controls.value(id)))
            box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    });
}

int CVantrelDlg::ComboSelection(int id) {
    return CallOnUi<int>([this, id] {
        auto* box = qobject_cast<QComboBox*>(m_controls.value(id));
        return box ? box->currentIndex() : -1;
    });
}

void CVantrelDlg::SetRecentEntries(int boxId, const QStringList& entries) {
    RunOnUi([this, boxId, entries] {
        CComboBox2* box = boxId == ctl::AddressBox ? m_addressBox : m_savePathBox;
        box->ClearEntries();
        for (const QString& entry : entries)
            box->AddEntry(entry);
    });
}

void CVantrelDlg::AddRecentEntry(int boxId, const QString& entry) {
    RunOnUi([this, boxId, entry] { (boxId == ctl::AddressBox ? m_addressBox : m_savePathBox)->AddEntry(entry); });
}

MessageAnswer CVantrelDlg::MessageBox(const QString& text, const QString& caption, MessageButtons buttons) {
    return CallOnUi<MessageAnswer>([this, text, caption = caption.isEmpty() ? kProductTitle : caption, buttons] {
        if (m_options.answerMessage)
            return m_options.answerMessage(text);
        if (buttons == MessageButtons::YesNo) {
            return QMessageBox::question(this, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                       ? MessageAnswer::Yes
                       : MessageAnswer::No;
        }
        QMessageBox::information(this, caption, text);
        return MessageAnswer::Ok;
    });
}

void CVantrelDlg::OpenAddress(const QString& address) {
    RunOnUi([address] { QDesktopServices::openUrl(QUrl(address)); });
}

void CVantrelDlg::OpenFolder(const QString& path) {
    RunOnUi([path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
}

void CVantrelDlg::ShowAlbum(int albumIndex) {
    // The cover is fetched on the calling thread (the list fetch's, or the refill's), not the window's.
    const bool elsewhere = QThread::currentThread() != thread();
    if (m_state.ThumbMode == 1 && elsewhere)
        EnsureThumbnail(albumIndex, m_state.Albums.Generation());
    RunOnUi([this, albumIndex, elsewhere] { ShowAlbumNow(albumIndex, !elsewhere); });
}

QList<int> CVantrelDlg::SelectedAlbums() {
    return CallOnUi<QList<int>>([this] { return m_grid->SelectedAlbums(); });
}

void CVantrelDlg::ResetAlbumGrid() {
    RunOnUi([this] {
        SetupAlbumGrid();
        m_thumbImages.clear();
    });
}

void CVantrelDlg::RefreshAlbumGrid() {
    RunOnUi([this] {
        m_grid->resizeRowsToContents();
        m_grid->viewport()->update();
    });
}

void CVantrelDlg::SelectAllAlbums() {
    RunOnUi([this] { m_grid->SelectAllAlbums(); });
}

bool CVantrelDlg::IsControlShown(int id) {
    return CallOnUi<bool>([this, id] {
        QWidget* widget = m_controls.value(id);
        return widget && !widget->isHidden();
    });
}

void CVantrelDlg::StartDownload() {
    RunOnUi([this] { OnDownload(); }); // as if the button were pressed
}

void CVantrelDlg::StartupDone() {
    RunOnUi([this] { OnStartupDone(); });
}

void CVantrelDlg::EndProgram(int exitCode) {
    ::_exit(exitCode);
}
