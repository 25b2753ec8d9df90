// The find and filter dialog (704): a small window without caption, dragged by its surface.
// Find mode is modeless and searches the album grid; filter mode is modal and hands back a keyword.
#pragma once

#include <QDialog>
#include <QPoint>

#include <functional>

class CMyGridCtrl;
class QCheckBox;
class QLineEdit;
class QPushButton;

class CDlgFind : public QDialog {
    Q_OBJECT
public:
    explicit CDlgFind(QWidget* owner, bool findMode);

    CMyGridCtrl* Grid = nullptr;
    int FindMode = 1;
    QString Keyword;

    void SetFindMode(bool findMode);
    void FindNext();
    void FindPrevious();
    QLineEdit* KeywordBox() const { return m_keyword; }
    QCheckBox* MatchCase() const { return m_matchCase; }
    QCheckBox* WholeCell() const { return m_wholeCell; }

    // Shows a message of the search ("关键字不能为空"); a message box unless replaced.
    std::function<void(const QString&)> ShowMessage;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void Search(bool forward);
    void Close();

    QLineEdit* m_keyword;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeCell;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPoint m_dragOffset;
};
