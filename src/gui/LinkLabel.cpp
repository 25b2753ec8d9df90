#include "LinkLabel.h"

LinkLabel::LinkLabel(const QString& markup, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    SetMarkup(markup);
    connect(this, &QLabel::linkActivated, this, [this] { emit clicked(); });
}

void LinkLabel::SetMarkup(const QString& markup) {
    m_markup = markup;
    QString shown = markup.toHtmlEscaped();
    shown.replace(QStringLiteral("&lt;a&gt;"), QStringLiteral("<a href=\"#\">"));
    shown.replace(QStringLiteral("&lt;/a&gt;"), QStringLiteral("</a>"));
    setText(shown);
}
