// The about box: the product title, the icon, the version text and a second line.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QLabel* VersionLine() const { return m_version; }
    QLabel* SecondLine() const { return m_second; }

private:
    QLabel* m_version = nullptr;
    QLabel* m_second = nullptr;
};
