#pragma once

#include "toolkit/toolkitglobal.h"

#include <QDockWidget>

class QLabel;
class QToolButton;

namespace toolkit {

// How a floating bar rolls up into its title (flags, combined by adding):
// 1 when the pointer leaves it (and unrolls when it comes back), 2 with a
// button on its title, 4 by a double-click on its title. 0 never.
enum RollUpFlag
{
    RollUpNever = 0,
    RollUpOnLeave = 1,
    RollUpButton = 2,
    RollUpDoubleClick = 4
};

// A docking bar with an id: its object name "Bar-<id>" identifies it in
// saved layouts, and the command with its id shows or hides it.
class TOOLKIT_EXPORT DockBar : public QDockWidget
{
    Q_OBJECT

public:
    DockBar(int barId, const QString &title, QWidget *parent = nullptr);

    [[nodiscard]] int barId() const { return m_barId; }
    [[nodiscard]] static QString objectNameFor(int barId);

    // Any value is accepted; bits other than the RollUpFlag ones are ignored.
    void setRollUpType(int type);
    [[nodiscard]] int rollUpType() const { return m_rollUpType; }
    [[nodiscard]] bool isRolledUp() const { return m_rolledUp; }
    // Only a floating bar rolls up; docking it unrolls it.
    void setRolledUp(bool rolledUp);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTitle();

    int m_barId;
    int m_rollUpType = RollUpNever;
    bool m_rolledUp = false;
    int m_unrolledHeight = 0;
    QWidget *m_titleBar;
    QLabel *m_titleLabel;
    QToolButton *m_rollUpButton;
    QToolButton *m_floatButton;
    QToolButton *m_closeButton;
};

// A bar that holds a form of controls at its natural size, docked at the top
// or bottom (the information bar).
class TOOLKIT_EXPORT DialogBar : public DockBar
{
    Q_OBJECT

public:
    DialogBar(int barId, const QString &title, QWidget *content, QWidget *parent = nullptr);
};

// A bar the user can resize, docked at a side (the project bar).
class TOOLKIT_EXPORT SizingBar : public DockBar
{
    Q_OBJECT

public:
    SizingBar(int barId, const QString &title, QWidget *content, const QSize &initialSize,
              QWidget *parent = nullptr);

    [[nodiscard]] QSize initialSize() const { return m_initialSize; }
    [[nodiscard]] QSize sizeHint() const override;

private:
    QSize m_initialSize;
};

} // namespace toolkit
