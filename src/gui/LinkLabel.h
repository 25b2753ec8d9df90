// A link control: its text is "<a>...</a>" markup, clicked like a link.
#pragma once

#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& markup, QWidget* parent = nullptr);
    void SetMarkup(const QString& markup);
    QString Markup() const { return m_markup; }

signals:
    void clicked();

private:
    QString m_markup;
};
