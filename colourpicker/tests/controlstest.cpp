#include "colourpicker/colormode.h"
#include "colourpicker/gtcolorselectorwnd.h"
#include "colourpicker/gtcolorsliderwnd.h"
#include "colourpicker/gtcolorwellwnd.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace colourpicker;

namespace {

// Field, slider and well linked as the dialog links them.
struct LinkedControls
{
    explicit LinkedControls(int fieldId = 1000)
        : field(fieldId, &parent), slider(1001, &parent), well(1002, &parent)
    {
        field.setSlider(&slider);
        field.setWell(&well);
        well.setColorField(&field);
        slider.setColorField(&field);
        field.SetMode(modeMaxOnTop + modeH);
        slider.SetMode(modeMaxOnTop + modeH);
    }
    QWidget parent;
    GTColorSelectorWnd field;
    GTColorSliderWnd slider;
    GTColorWellWnd well;
};

} // namespace

TEST(ColorControls, TheFieldTellsSliderThenWellThenItsParent)
{
    LinkedControls c;
    QStringList order;
    QObject::connect(&c.well, &GTColorWellWnd::colorTaken, [&](COLORREF color) {
        // The slider already stands at the new hue when the well hears of it.
        EXPECT_EQ(c.slider.model().component(), 1200);
        EXPECT_EQ(color, makeColorRef(0, 255, 0));
        order << QStringLiteral("well");
    });
    QObject::connect(&c.field, &GTColorSelectorWnd::colorChanged, [&](COLORREF) {
        EXPECT_EQ(c.well.color(), makeColorRef(0, 255, 0));
        order << QStringLiteral("parent");
    });
    c.field.SetColor(makeColorRef(0, 255, 0));
    EXPECT_EQ(order, (QStringList{QStringLiteral("well"), QStringLiteral("parent")}));
}

TEST(ColorControls, AFieldWithoutIdAnnouncesNothing)
{
    LinkedControls c(0);
    QSignalSpy spy(&c.field, &GTColorSelectorWnd::colorChanged);
    c.field.SetColor(makeColorRef(0, 255, 0));
    EXPECT_EQ(c.field.GetColor(), makeColorRef(0, 255, 0));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(c.well.color(), 0x00FF80u);
    EXPECT_EQ(c.slider.model().component(), 0);
}

TEST(ColorControls, TheSliderMovesTheFieldsZ)
{
    LinkedControls c;
    c.field.SetColor(makeColorRef(0, 255, 0));
    c.slider.show();
    c.slider.resize(43, 260);
    c.slider.setFocus();
    QTest::keyClick(&c.slider, Qt::Key_End); // the bottom: hue 0
    EXPECT_EQ(c.field.model().position().z, 0);
    EXPECT_EQ(c.well.color(), makeColorRef(255, 0, 0));
    // SetZ outside the range is ignored.
    c.field.SetZ(3600);
    EXPECT_EQ(c.field.model().position().z, 0);
}

TEST(ColorControls, ASliderWithoutFieldTellsItsParent)
{
    QWidget parent;
    GTColorSliderWnd slider(1001, &parent);
    slider.SetMode(modeMaxOnTop + modeR);
    QSignalSpy spy(&slider, &GTColorSliderWnd::valueChanged);
    slider.setFocus();
    // Component 0 sits at the bottom, where Page Down changes nothing.
    QTest::keyClick(&slider, Qt::Key_PageDown);
    ASSERT_EQ(spy.count(), 0);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.front().front().toInt(), 245);
    EXPECT_EQ(slider.model().component(), 10);
}
