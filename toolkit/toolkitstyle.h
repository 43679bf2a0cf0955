#pragma once

#include <QProxyStyle>

namespace toolkit {

// The program-wide style that hands the painting of bars, menus, toolbar
// buttons and document tabs to the look in force; everything else is the
// platform style's. Internal to the toolkit.
class ToolkitStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ToolkitStyle();

    // Installs the style on the application once.
    static void ensureInstalled();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    void drawMenuBarItem(const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const;
    void drawMenuItem(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
    void drawToolBar(const QStyleOption *option, QPainter *painter, const QWidget *widget) const;
};

} // namespace toolkit
