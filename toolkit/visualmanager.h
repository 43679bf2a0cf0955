#pragma once

#include "toolkit/toolkitglobal.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QWidget;

namespace toolkit {

enum class BarKind
{
    ToolBar,
    MenuBar,
    PopupMenu,
    StatusBar
};

// What a look knows of the bar it paints.
struct BarInfo
{
    BarKind kind = BarKind::ToolBar;
    // The bar lies along the top or bottom edge of the frame (or floats
    // lying horizontally); false for bars docked at the left or right.
    bool horizontal = true;
    const QWidget *widget = nullptr; // may be null
};

enum class ButtonState
{
    Normal,
    Hot,     // under the pointer
    Pressed, // held down
    Checked,
    CheckedHot
};

// A look: how bars, menus, toolbar buttons and the document tabs are
// painted. Exactly one look is in force at a time (the default manager);
// the base class is the classic look with raised buttons.
//
// Every painting call gets the rectangle to paint in widget coordinates and
// must stay inside it.
class TOOLKIT_EXPORT VisualManager
{
public:
    VisualManager() = default;
    virtual ~VisualManager() = default;
    VisualManager(const VisualManager &) = delete;
    VisualManager &operator=(const VisualManager &) = delete;

    [[nodiscard]] virtual QString name() const;

    // Fills a bar's background: first its border and gripper area
    // (`nonClient` true, `client` the whole bar), then the area of its
    // buttons or items (`nonClient` false). `clip` is the part that needs
    // painting.
    virtual void fillBarBackground(QPainter &painter, const BarInfo &bar, const QRect &client,
                                   const QRect &clip, bool nonClient);
    virtual void drawMenuBorder(QPainter &painter, const QRect &rect);
    // The handle by which a bar is dragged; `horizontalBar` as in BarInfo.
    virtual void drawBarGripper(QPainter &painter, const QRect &rect, bool horizontalBar);
    // A separator line; `horizontalLine` for separators of menus and of
    // bars docked at the sides.
    virtual void drawSeparator(QPainter &painter, const QRect &rect, bool horizontalLine);
    virtual void fillButtonInterior(QPainter &painter, const QRect &rect, ButtonState state);
    virtual void drawButtonBorder(QPainter &painter, const QRect &rect, ButtonState state);
    // The item under the pointer in a menu or the menu bar.
    virtual void highlightMenuItem(QPainter &painter, const QRect &rect, bool enabled);
    [[nodiscard]] virtual QColor menuTextColor(bool highlighted, bool enabled) const;
    // The strip of the document tabs and each tab on it.
    virtual void eraseTabsArea(QPainter &painter, const QRect &rect);
    virtual void drawTab(QPainter &painter, const QRect &rect, bool active, bool tabsAtBottom);
    [[nodiscard]] virtual QColor tabTextColor(bool active) const;
    // The band of upright text at the left of the menu bar's menus.
    virtual void drawMenuSideBand(QPainter &painter, const QRect &rect);
    [[nodiscard]] virtual QColor menuSideBandTextColor() const;

    // The look in force; the classic look is created when none is set.
    [[nodiscard]] static VisualManager *instance();
    // Puts a look in force (null: the classic look) and repaints every window.
    static void setDefaultManager(std::unique_ptr<VisualManager> manager);
    // Destroys the look in force (creating the classic one first when none
    // exists, so that exactly one is destroyed).
    static void destroyInstance();
    // Counts the changes of the look in force, so that whoever put a look in
    // force can tell whether it still is.
    [[nodiscard]] static quint64 generation();

    // The looks built into the toolkit: "Standard" (this class) and
    // "Office XP" (VisualManagerXP).
    [[nodiscard]] static QStringList builtInLooks();
    // Null for a name that is not a built-in look.
    [[nodiscard]] static std::unique_ptr<VisualManager> createBuiltInLook(const QString &name);

    // Toolbar buttons of the classic look get the deeper 3-D border of the
    // 2000 look.
    static void setLook2000(bool look2000);
    [[nodiscard]] static bool look2000();

protected:
    [[nodiscard]] static QColor faceColour();
    [[nodiscard]] static QColor lightColour();
    [[nodiscard]] static QColor shadowColour();
    [[nodiscard]] static QColor darkShadowColour();
};

} // namespace toolkit
