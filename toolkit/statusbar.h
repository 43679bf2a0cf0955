#pragma once

#include "toolkit/toolkitglobal.h"

#include <QList>
#include <QStatusBar>

class QLabel;
class QTimer;

namespace toolkit {

// A status bar of panes. Pane id 0 is the message pane, which shows the
// description of the command under the pointer; the ids cmd::IndicatorCaps,
// cmd::IndicatorNum and cmd::IndicatorScroll show the state of Caps Lock,
// Num Lock and Scroll Lock; any other id is a text pane the program fills.
class TOOLKIT_EXPORT StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setIndicators(const QList<int> &paneIds);
    [[nodiscard]] int paneCount() const { return int(m_ids.size()); }
    [[nodiscard]] int paneId(int index) const { return m_ids.value(index, -1); }
    // -1 when no pane has the id.
    [[nodiscard]] int paneIndex(int id) const { return int(m_ids.indexOf(id)); }
    void setPaneText(int index, const QString &text);
    [[nodiscard]] QString paneText(int index) const;
    // Text panes are as wide as their text; this sets a minimum width.
    void setPaneWidth(int index, int widthPx);
    // Whether an indicator pane shows its key as on.
    [[nodiscard]] bool isIndicatorOn(int index) const;

    // Reads the lock keys again (also done on a timer while the bar shows).
    void updateIndicators();

private:
    QList<int> m_ids;
    QList<QLabel *> m_labels; // null for the message pane
    QTimer *m_timer;
};

} // namespace toolkit
