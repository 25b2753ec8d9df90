// The settings dialogs: download parameters (dialog 131) and file names (dialog 130).
#pragma once

#include "settings/SoftData.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QButtonGroup;
class QLineEdit;

class CDlgDownSet : public QDialog {
    Q_OBJECT
public:
    CDlgDownSet(const ST_DOWNSET& slot, QWidget* parent = nullptr);
    // The slot as the dialog leaves it: changed only by an accepted OK.
    const ST_DOWNSET& Slot() const { return m_slot; }
    QLineEdit* Edit(int id) const;
    void PressOk();

    // Shows "参数错误"; a message box unless replaced.
    std::function<void(const QString&)> ShowMessage;

private:
    ST_DOWNSET m_slot;
    QLineEdit* m_edits[4] = {};
};

class CDlgSaveSet : public QDialog {
    Q_OBJECT
public:
    CDlgSaveSet(const ST_SAVESET& slot, QWidget* parent = nullptr);
    const ST_SAVESET& Slot() const { return m_slot; }
    QLineEdit* Edit(int id) const;
    QButtonGroup* FileNameSource() const { return m_fileSource; }
    QButtonGroup* FolderSource() const { return m_folderSource; }
    void PressOk();

private:
    ST_SAVESET m_slot;
    QHash<int, QLineEdit*> m_edits;
    QButtonGroup* m_fileSource = nullptr;
    QButtonGroup* m_folderSource = nullptr;
};
