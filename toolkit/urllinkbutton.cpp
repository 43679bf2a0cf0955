#include "urllinkbutton.h"

#include "platform/messagebox.h"
#include "platform/process.h"

#include <QPainter>

namespace toolkit {

UrlLinkButton::UrlLinkButton(QWidget *parent) : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QPushButton::clicked, this, &UrlLinkButton::openUrl);
}

void UrlLinkButton::setUrl(const QString &url)
{
    m_url = url;
    setToolTip(this->url());
}

QString UrlLinkButton::url() const
{
    return m_url.isEmpty() ? text() : m_url;
}

bool UrlLinkButton::openUrl()
{
    if (!platform::openWithDefaultApp(url())) {
        platform::ui::error(this, tr("The address \"%1\" cannot be opened.").arg(url()));
        return false;
    }
    m_visited = true;
    update();
    return true;
}

QSize UrlLinkButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return text + QSize(4, 4);
}

void UrlLinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(m_visited ? palette().color(QPalette::LinkVisited)
                             : palette().color(QPalette::Link));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace toolkit
