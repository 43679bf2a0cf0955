#include "dockbar.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace toolkit {

namespace {

QToolButton *titleButton(QWidget *parent, QStyle::StandardPixmap pixmap, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(pixmap));
    button->setIconSize(QSize(10, 10));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DockBar::DockBar(int barId, const QString &title, QWidget *parent)
    : QDockWidget(title, parent), m_barId(barId), m_titleBar(new QWidget(this)),
      m_titleLabel(new QLabel(title, m_titleBar)),
      m_rollUpButton(titleButton(m_titleBar, QStyle::SP_TitleBarShadeButton, tr("Roll up"))),
      m_floatButton(titleButton(m_titleBar, QStyle::SP_TitleBarNormalButton, tr("Float"))),
      m_closeButton(titleButton(m_titleBar, QStyle::SP_TitleBarCloseButton, tr("Close")))
{
    setObjectName(objectNameFor(barId));
    auto *layout = new QHBoxLayout(m_titleBar);
    layout->setContentsMargins(4, 1, 1, 1);
    layout->setSpacing(1);
    layout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_rollUpButton);
    layout->addWidget(m_floatButton);
    layout->addWidget(m_closeButton);
    m_titleBar->installEventFilter(this);
    m_titleLabel->installEventFilter(this);
    setTitleBarWidget(m_titleBar);
    connect(m_rollUpButton, &QToolButton::clicked, this, [this] { setRolledUp(!m_rolledUp); });
    connect(m_floatButton, &QToolButton::clicked, this, [this] { setFloating(!isFloating()); });
    connect(m_closeButton, &QToolButton::clicked, this, &QDockWidget::close);
    connect(this, &QDockWidget::windowTitleChanged, m_titleLabel, &QLabel::setText);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (!floating)
            setRolledUp(false);
        updateTitle();
    });
    updateTitle();
}

QString DockBar::objectNameFor(int barId)
{
    return QStringLiteral("Bar-%1").arg(barId);
}

void DockBar::setRollUpType(int type)
{
    m_rollUpType = type & (RollUpOnLeave | RollUpButton | RollUpDoubleClick);
    if (!(m_rollUpType & (RollUpOnLeave | RollUpButton | RollUpDoubleClick)))
        setRolledUp(false);
    updateTitle();
}

void DockBar::updateTitle()
{
    m_rollUpButton->setVisible(isFloating() && (m_rollUpType & RollUpButton));
    m_rollUpButton->setIcon(style()->standardIcon(m_rolledUp ? QStyle::SP_TitleBarUnshadeButton
                                                             : QStyle::SP_TitleBarShadeButton));
    m_rollUpButton->setToolTip(m_rolledUp ? tr("Roll down") : tr("Roll up"));
}

void DockBar::setRolledUp(bool rolledUp)
{
    rolledUp = rolledUp && isFloating() && m_rollUpType != RollUpNever;
    if (rolledUp == m_rolledUp)
        return;
    m_rolledUp = rolledUp;
    if (QWidget *content = widget()) {
        if (rolledUp) {
            m_unrolledHeight = height();
            content->hide();
            setFixedHeight(m_titleBar->sizeHint().height() + 2);
        } else {
            setMinimumHeight(0);
            setMaximumHeight(QWIDGETSIZE_MAX);
            content->show();
            if (isFloating() && m_unrolledHeight > 0)
                resize(width(), m_unrolledHeight);
        }
    }
    updateTitle();
}

bool DockBar::event(QEvent *event)
{
    if (isFloating() && (m_rollUpType & RollUpOnLeave)) {
        if (event->type() == QEvent::Leave) {
            // Roll up only once the pointer is really gone, not while it
            // crosses onto a child.
            QTimer::singleShot(300, this, [this] {
                if (isFloating() && !rect().contains(mapFromGlobal(QCursor::pos())) &&
                    !QApplication::mouseButtons())
                    setRolledUp(true);
            });
        } else if (event->type() == QEvent::Enter) {
            setRolledUp(false);
        }
    }
    return QDockWidget::event(event);
}

bool DockBar::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_titleBar || watched == m_titleLabel) &&
        event->type() == QEvent::MouseButtonDblClick && isFloating() &&
        (m_rollUpType & RollUpDoubleClick)) {
        setRolledUp(!m_rolledUp);
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

DialogBar::DialogBar(int barId, const QString &title, QWidget *content, QWidget *parent)
    : DockBar(barId, title, parent)
{
    setWidget(content);
    content->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
}

SizingBar::SizingBar(int barId, const QString &title, QWidget *content, const QSize &initialSize,
                     QWidget *parent)
    : DockBar(barId, title, parent), m_initialSize(initialSize)
{
    setWidget(content);
}

QSize SizingBar::sizeHint() const
{
    return m_initialSize.isValid() ? m_initialSize : DockBar::sizeHint();
}

} // namespace toolkit
