#include "CComboBox2.h"

#include "session/HistoryFilter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>
#include <QTimer>

CComboBox2::CComboBox2(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    // The typed-text list is a completer popup: it opens under the box without taking the keyboard.
    m_filterModel = new QStringListModel(this);
    m_filterList = new QCompleter(m_filterModel, this);
    m_filterList->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_filterList->setCaseSensitivity(Qt::CaseInsensitive);
    lineEdit()->setCompleter(m_filterList);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CComboBox2::OnTextEdited);
    connect(m_filterList, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) { emit historyPicked(text); });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (index >= 0)
            emit historyPicked(itemText(index));
    });
}

void CComboBox2::AddEntry(const QString& text) {
    m_entries.append(text);
}

void CComboBox2::ClearEntries() {
    m_entries.clear();
}

QStringList CComboBox2::FilteredEntries() const {
    return FilterListShown() ? m_filterModel->stringList() : QStringList();
}

bool CComboBox2::FilterListShown() const {
    return m_filterList->popup() && m_filterList->popup()->isVisible();
}

void CComboBox2::OnTextEdited(const QString& text) {
    // The typed text and caret stay as they are: the list is a separate popup here.
    if (text.isEmpty()) {
        m_filterList->popup()->hide();
    } else {
        const QStringList shown = FilterHistoryEntries(m_entries, text, HideMark);
        m_filterModel->setStringList(shown);
        if (shown.isEmpty()) {
            m_filterList->popup()->hide();
        } else {
            m_suppress = true;
            m_filterList->setCompletionPrefix(QString());
            m_filterList->complete();
            m_suppress = false;
        }
    }
    emit editChanged(text);
}

void CComboBox2::showPopup() {
    if (!m_suppress) {
        const QString text = currentText();
        clear();
        addItems(m_entries);
        setCurrentIndex(-1);
        setEditText(text);
    }
    QComboBox::showPopup();
}

void CComboBox2::hidePopup() {
    QComboBox::hidePopup();
    // Emptied once a pick has set the text; the text itself stays.
    QTimer::singleShot(0, this, [this] {
        const QString text = currentText();
        clear();
        setEditText(text);
    });
}
