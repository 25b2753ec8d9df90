#include "DlgWebOpen.h"

#include "DialogUnits.h"
#include "http/CookieJar.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineView>

QString NetscapeLine(const QNetworkCookie& cookie) {
    QString domain = cookie.domain();
    const bool subdomains = domain.startsWith(u'.');
    const qint64 expiry = cookie.isSessionCookie() ? 0 : cookie.expirationDate().toSecsSinceEpoch();
    const QString line = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7")
                             .arg(domain, subdomains ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                                  cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path(),
                                  cookie.isSecure() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
                             .arg(expiry)
                             .arg(QString::fromUtf8(cookie.name()), QString::fromUtf8(cookie.value()));
    return cookie.isHttpOnly() ? QStringLiteral("#HttpOnly_") + line : line;
}

QNetworkCookie CookieFromNetscapeLine(const QString& line) {
    QString text = line;
    const bool httpOnly = text.startsWith(QLatin1String("#HttpOnly_"));
    if (httpOnly)
        text.remove(0, 10);
    const QStringList fields = text.split(u'\t');
    if (fields.size() != 7)
        return QNetworkCookie();
    QNetworkCookie cookie(fields[5].toUtf8(), fields[6].toUtf8());
    cookie.setDomain(fields[0]);
    cookie.setPath(fields[2]);
    cookie.setSecure(fields[3] == QLatin1String("TRUE"));
    cookie.setHttpOnly(httpOnly);
    const qint64 expiry = fields[4].toLongLong();
    if (expiry > 0)
        cookie.setExpirationDate(QDateTime::fromSecsSinceEpoch(expiry));
    return cookie;
}

void BridgeCookies(QWebEngineProfile* profile) {
    QWebEngineCookieStore* store = profile->cookieStore();
    if (!store->property("vantrelBridged").toBool()) {
        store->setProperty("vantrelBridged", true);
        QObject::connect(store, &QWebEngineCookieStore::cookieAdded, store,
                         [](const QNetworkCookie& cookie) { AddCookieLine(NetscapeLine(cookie)); });
    }
    // Every opening: the jar may have learnt cookies from fetches since the last one.
    for (const QString& line : AllCookieLines()) {
        const QNetworkCookie cookie = CookieFromNetscapeLine(line);
        if (cookie.name().isEmpty())
            continue;
        const QString host = cookie.domain().startsWith(u'.') ? cookie.domain().mid(1) : cookie.domain();
        store->setCookie(cookie, QUrl(QStringLiteral("%1://%2/").arg(cookie.isSecure() ? "https" : "http", host)));
    }
}

CDlgWebOpen::CDlgWebOpen(const QString& address, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("登录成功后手动关闭对话框"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    const DialogUnits du = DialogUnits::FromFont(font());
    auto* label = new QLabel(QStringLiteral("网址："), this);
    label->setGeometry(du.rect(2, 4, 24, 9));
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("1001"));
    m_address->setGeometry(du.rect(27, 2, 410, 12));
    m_open = new QPushButton(QStringLiteral("打开"), this);
    m_open->setObjectName(QStringLiteral("1026"));
    m_open->setDefault(true);
    m_open->setGeometry(du.rect(438, 1, 32, 14));
    BridgeCookies(QWebEngineProfile::defaultProfile());
    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("1025"));
    m_browser->setGeometry(du.rect(0, 17, 470, 364));
    resize(du.x(470), du.y(381));
    connect(m_open, &QPushButton::clicked, this, &CDlgWebOpen::Open);
    connect(m_address, &QLineEdit::returnPressed, this, &CDlgWebOpen::Open);

    if (parent)
        move(parent->geometry().center() - rect().center());
    if (!address.isEmpty()) {
        m_address->setText(address);
        Open();
    } else {
        m_address->setText(QGuiApplication::clipboard()->text());
    }
}

void CDlgWebOpen::Open() {
    m_browser->setUrl(QUrl(m_address->text()));
}

void CDlgWebOpen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width(), h = height();
    QRect browser = m_browser->geometry();
    browser.setRight(w - 1);
    browser.setBottom(h - 1);
    m_browser->setGeometry(browser);
    QRect open = m_open->geometry();
    open.moveRight(w - 1);
    m_open->setGeometry(open);
    QRect box = m_address->geometry();
    box.setRight(open.left() - 5 - 1);
    m_address->setGeometry(box);
}

void CDlgWebOpen::closeEvent(QCloseEvent* event) {
    SaveCookieJar(); // the sign-in survives a restart
    QDialog::closeEvent(event);
}
