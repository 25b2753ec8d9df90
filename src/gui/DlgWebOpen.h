// The login browser (dialog 133): an address box, an open button and a web view whose cookies are
// the program's cookie jar, both ways, so a sign-in here carries over to every later fetch.
#pragma once

#include <QDialog>
#include <QNetworkCookie>

class QLineEdit;
class QPushButton;
class QWebEngineView;
class QWebEngineProfile;

class CDlgWebOpen : public QDialog {
    Q_OBJECT
public:
    // An empty address: the clipboard's text goes into the box, and nothing is opened.
    CDlgWebOpen(const QString& address, QWidget* parent = nullptr);

    QLineEdit* AddressBox() const { return m_address; }
    QPushButton* OpenButton() const { return m_open; }
    QWebEngineView* Browser() const { return m_browser; }
    // Navigates to the address box's text exactly as typed.
    void Open();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* m_address;
    QPushButton* m_open;
    QWebEngineView* m_browser;
};

// The cookie jar and the browser's cookie store as one: the jar's cookies go into the store, and
// every cookie the browser receives (header, script, HttpOnly, session) goes into the jar.
void BridgeCookies(QWebEngineProfile* profile);

// A cookie in the jar's Netscape line form, and back (a default cookie for a line that is none).
QString NetscapeLine(const QNetworkCookie& cookie);
QNetworkCookie CookieFromNetscapeLine(const QString& line);
