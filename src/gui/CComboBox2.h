// The history box of the address and the save path: an editable box whose drop-down lists every
// remembered entry, and whose typed text lists the entries that contain it.
#pragma once

#include <QComboBox>
#include <QStringList>

class QCompleter;
class QStringListModel;

class CComboBox2 : public QComboBox {
    Q_OBJECT
public:
    explicit CComboBox2(QWidget* parent = nullptr);

    void AddEntry(const QString& text);
    void ClearEntries();
    const QStringList& Entries() const { return m_entries; }
    // What the typed-text list shows now (empty while it is closed).
    QStringList FilteredEntries() const;
    bool FilterListShown() const;

    QString HideMark = QStringLiteral("wmz?!oxff");

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user changed the text by typing (passed on to the main window).
    void editChanged(const QString& text);
    // The user picked an entry from a list.
    void historyPicked(const QString& text);

private:
    void OnTextEdited(const QString& text);

    QStringList m_entries;
    bool m_suppress = false;
    QCompleter* m_filterList = nullptr;
    QStringListModel* m_filterModel = nullptr;
};
