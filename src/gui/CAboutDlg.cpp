#include "CAboutDlg.h"

#include "DialogUnits.h"
#include "ProductTitle.h"
#include "commands/StartupThread.h"
#include "sites/NoticeComponent.h"
#include "text/StoredTexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("关于"));
    setFont(DialogFont());
    const DialogUnits du = DialogUnits::FromFont(font());
    setFixedSize(du.x(210), du.y(79));

    auto* frame = new QGroupBox(kProductTitle, this);
    frame->setGeometry(du.rect(7, 4, 196, 52));
    auto* icon = new QLabel(this);
    icon->setGeometry(du.rect(14, 18, 21, 20));
    icon->setPixmap(QPixmap(QStringLiteral(":/vantrel/icon.png")).scaled(icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_version = new QLabel(QStringLiteral("版本号：13.02.12.1"), this);
    m_version->setObjectName(QStringLiteral("1014"));
    m_version->setGeometry(du.rect(42, 18, 155, 10));
    m_second = new QLabel(QStringLiteral("静态"), this);
    m_second->setObjectName(QStringLiteral("1015"));
    m_second->setGeometry(du.rect(42, 32, 155, 20));
    m_second->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setGeometry(du.rect(153, 60, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Initialisation replaces the resource texts.
    m_version->setText(VersionText(kProgramVersionNumber));
    m_second->setText(Deciphered(stored::kAboutSecondLine));
}
