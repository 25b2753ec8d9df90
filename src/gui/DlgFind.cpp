#include "DlgFind.h"

#include "CMyGridCtrl.h"
#include "DialogUnits.h"
#include "albums/GridSearch.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

CDlgFind::CDlgFind(QWidget* owner, bool findMode)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), FindMode(findMode ? 1 : 0) {
    setFont(DialogFont(8));
    const DialogUnits du = DialogUnits::FromFont(font());
    setFixedSize(du.x(130), du.y(71));
    setStyleSheet(QStringLiteral("CDlgFind { border: 1px solid palette(dark); }"));
    auto* title = new QLabel(QStringLiteral("相册搜索"), this);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(du.rect(1, 1, 116, 10));
    title->setAttribute(Qt::WA_TransparentForMouseEvents); // part of the surface that drags
    auto* close = new QPushButton(QStringLiteral("×"), this);
    close->setObjectName(QStringLiteral("1699"));
    close->setGeometry(du.rect(119, 0, 11, 10));
    close->setAutoDefault(false);
    auto* label = new QLabel(QStringLiteral("关键字:"), this);
    label->setGeometry(du.rect(1, 16, 29, 9));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_keyword = new QLineEdit(this);
    m_keyword->setObjectName(QStringLiteral("1639"));
    m_keyword->setGeometry(du.rect(34, 15, 83, 14));
    m_matchCase = new QCheckBox(QStringLiteral("区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("1033"));
    m_matchCase->setGeometry(du.rect(3, 34, 60, 11));
    m_wholeCell = new QCheckBox(QStringLiteral("全字匹配"), this);
    m_wholeCell->setObjectName(QStringLiteral("1034"));
    m_wholeCell->setGeometry(du.rect(77, 33, 50, 11));
    m_previous = new QPushButton(QStringLiteral("上一个"), this);
    m_previous->setObjectName(QStringLiteral("1701"));
    m_previous->setGeometry(du.rect(4, 50, 41, 17));
    m_previous->setAutoDefault(false);
    m_next = new QPushButton(QStringLiteral("下一个"), this);
    m_next->setObjectName(QStringLiteral("1006"));
    m_next->setGeometry(du.rect(75, 50, 41, 17));
    m_next->setDefault(true);
    connect(close, &QPushButton::clicked, this, &CDlgFind::Close);
    connect(m_previous, &QPushButton::clicked, this, &CDlgFind::FindPrevious);
    connect(m_next, &QPushButton::clicked, this, &CDlgFind::FindNext);
    SetFindMode(findMode);
    ShowMessage = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("相册搜索"), text); };
}

void CDlgFind::SetFindMode(bool findMode) {
    FindMode = findMode ? 1 : 0;
    m_matchCase->setVisible(findMode);
    m_wholeCell->setVisible(findMode);
    m_previous->setVisible(findMode);
    m_next->setText(findMode ? QStringLiteral("下一个") : QStringLiteral("筛选"));
}

void CDlgFind::FindNext() {
    if (FindMode == 0) {
        Keyword = m_keyword->text().trimmed();
        accept();
        return;
    }
    Search(true);
}

void CDlgFind::FindPrevious() {
    Search(false);
}

void CDlgFind::Search(bool forward) {
    if (!Grid)
        return;
    const QString keyword = m_keyword->text().trimmed();
    if (keyword.isEmpty()) {
        ShowMessage(QStringLiteral("关键字不能为空"));
        return;
    }
    const QList<QStringList> rows = Grid->RowTexts(0);
    const int fixed = Grid->FixedRows();
    int start = int(rows.size());
    for (int r = fixed; r < rows.size(); ++r) {
        if (Grid->selectionModel()->rowIntersectsSelection(r, QModelIndex())) {
            start = r;
            break;
        }
    }
    const bool ignoreCase = !m_matchCase->isChecked();
    const bool whole = m_wholeCell->isChecked();
    int found = FindGridRow(rows, fixed, start, keyword, forward, ignoreCase, whole);
    if (found < 0) // once more from the top (or the bottom)
        found = FindGridRow(rows, fixed, forward ? fixed - 1 : int(rows.size()), keyword, forward, ignoreCase, whole);
    if (found < 0)
        return; // nothing found: no message
    Grid->clearSelection();
    Grid->setCurrentIndex(QModelIndex());
    Grid->selectRow(found);
    Grid->scrollToItem(Grid->item(found, 0), QAbstractItemView::PositionAtTop);
}

void CDlgFind::Close() {
    if (FindMode == 0) {
        reject();
        return;
    }
    if (Grid)
        Grid->SetSingleRowSelection(false);
    hide();
}

void CDlgFind::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void CDlgFind::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}
