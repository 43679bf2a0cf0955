#include "colourpicker/colormode.h"
#include "colourpicker/colortext.h"
#include "colourpicker/gtcolordialog.h"
#include "colourpicker/gtcolorselectorwnd.h"
#include "colourpicker/gtcolorsliderwnd.h"
#include "colourpicker/gtcolorwellwnd.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace colourpicker;

namespace {

class ColorDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &request) {
            m_messages << request.text;
            return platform::ui::Answer::Ok;
        });
        m_dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    }
    void TearDown() override
    {
        platform::ui::setMessageResponder({});
        platform::ui::setDialogResponder({});
    }

    template <typename T> T *child(int id)
    {
        auto *widget = m_dialog.findChild<T *>(QString::number(id));
        EXPECT_TRUE(widget) << id;
        return widget;
    }
    QLineEdit *box(int id) { return child<QLineEdit>(id); }
    QLineEdit *red() { return box(1013); }
    QLineEdit *green() { return box(1014); }
    QLineEdit *blue() { return box(1015); }
    QLineEdit *hue() { return box(1010); }
    QLineEdit *saturation() { return box(1011); }
    QLineEdit *value() { return box(1012); }
    QLineEdit *hex() { return box(1016); }
    GTColorSelectorWnd *field() { return child<GTColorSelectorWnd>(1000); }
    GTColorSliderWnd *slider() { return child<GTColorSliderWnd>(1001); }
    GTColorWellWnd *well() { return child<GTColorWellWnd>(1002); }

    // Replaces the text of a box the way a user does: select all, then type.
    static void type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void chooseMode(int mode)
    {
        QTest::mouseClick(child<QRadioButton>(1003 + mode), Qt::LeftButton);
    }
    // A pixel of the ring that lies inside the colour area.
    QRgb markerPixel()
    {
        const QImage image = field()->grab().toImage();
        const QRect area = field()->colorArea();
        const QPoint center = field()->model().markerCenter(area);
        for (QPoint offset : {QPoint(-5, 0), QPoint(5, 0), QPoint(0, -5), QPoint(0, 5)})
            if (area.contains(center + offset))
                return image.pixel(center + offset);
        ADD_FAILURE() << "no ring pixel inside the area";
        return 0;
    }

    GTColorDialog m_dialog{0xFF0000};
    QStringList m_messages;
};

int distance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(redOf(a) - redOf(b)), std::abs(greenOf(a) - greenOf(b)),
                     std::abs(blueOf(a) - blueOf(b))});
}

} // namespace

TEST_F(ColorDialogTest, StartsOnPureBlueInHueMode)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Chromatrix"));
    EXPECT_EQ(red()->text(), QStringLiteral("0"));
    EXPECT_EQ(green()->text(), QStringLiteral("0"));
    EXPECT_EQ(blue()->text(), QStringLiteral("255"));
    EXPECT_EQ(hue()->text(), QStringLiteral("240.000000"));
    EXPECT_EQ(saturation()->text(), QStringLiteral("100"));
    EXPECT_EQ(value()->text(), QStringLiteral("100"));
    EXPECT_EQ(hex()->text(), QStringLiteral("#0000FF"));
    EXPECT_TRUE(hex()->font().fixedPitch() || QFontInfo(hex()->font()).fixedPitch());
    EXPECT_TRUE(child<QRadioButton>(1006)->isChecked());
    EXPECT_EQ(well()->color(), 0xFF0000u);
    EXPECT_EQ(slider()->model().maximum(), 3599);
    EXPECT_EQ(slider()->model().component(), 2400);
    EXPECT_EQ(slider()->model().param(0), 1000);
    EXPECT_EQ(slider()->model().param(1), 1000);
    // Two thirds up the bar.
    const QRect bar = slider()->barRect();
    EXPECT_NEAR(slider()->model().arrowY(bar.top(), bar.bottom()),
                bar.bottom() - 2 * (bar.bottom() - bar.top()) / 3, 1);
}

TEST_F(ColorDialogTest, SwitchingTheModeKeepsTheColour)
{
    const QString colours[] = {QStringLiteral("#0000FF"), QStringLiteral("#7F3A11"),
                               QStringLiteral("#010203"), QStringLiteral("#FFFFFF"),
                               QStringLiteral("#000000"), QStringLiteral("#80FF01")};
    for (const QString &text : colours) {
        type(hex(), text);
        EXPECT_EQ(well()->color(), colorFromHexText(text));
        for (int mode : {modeR, modeS, modeG, modeV, modeB, modeH}) {
            const COLORREF before = well()->color();
            chooseMode(mode);
            EXPECT_EQ(field()->model().mode(), mode);
            EXPECT_EQ(slider()->model().mode(), modeMaxOnTop + mode);
            EXPECT_EQ(field()->GetColor(), well()->color());
            EXPECT_LE(distance(well()->color(), before), 1) << text.toStdString() << ' ' << mode;
            EXPECT_EQ(slider()->model().component(), field()->model().position().z);
        }
    }
}

TEST_F(ColorDialogTest, TypedRgbIsClampedAndOnlyTheOtherBoxesAreRewritten)
{
    type(red(), QStringLiteral("300"));
    EXPECT_EQ(red()->text(), QStringLiteral("300"));
    EXPECT_EQ(well()->color(), makeColorRef(255, 0, 255));
    EXPECT_EQ(hue()->text(), QStringLiteral("300.000000"));
    EXPECT_EQ(hex()->text(), QStringLiteral("#FF00FF"));
    EXPECT_EQ(field()->model().position(), (Position{3000, 1000, 1000}));

    type(red(), QStringLiteral("-5"));
    EXPECT_EQ(red()->text(), QStringLiteral("-5"));
    EXPECT_EQ(well()->color(), makeColorRef(0, 0, 255));
    EXPECT_EQ(hex()->text(), QStringLiteral("#0000FF"));

    type(green(), QStringLiteral("abc"));
    EXPECT_EQ(green()->text(), QStringLiteral("abc"));
    EXPECT_EQ(well()->color(), makeColorRef(0, 0, 255));
}

TEST_F(ColorDialogTest, TypedHsvRewritesRgbAndHexButNotTheHsvBoxes)
{
    type(hue(), QStringLiteral("120"));
    EXPECT_EQ(hue()->text(), QStringLiteral("120"));
    EXPECT_EQ(green()->text(), QStringLiteral("255"));
    EXPECT_EQ(hex()->text(), QStringLiteral("#00FF00"));
    type(value(), QStringLiteral("50"));
    EXPECT_EQ(value()->text(), QStringLiteral("50"));
    EXPECT_EQ(well()->color(), makeColorRef(0, 127, 0));
    EXPECT_EQ(saturation()->text(), QStringLiteral("100"));
}

TEST_F(ColorDialogTest, HexGivesBlackUntilTheSeventhCharacter)
{
    type(hex(), QStringLiteral("#00ff00"));
    EXPECT_EQ(well()->color(), makeColorRef(0, 255, 0));
    EXPECT_EQ(hex()->text(), QStringLiteral("#00ff00"));
    EXPECT_EQ(green()->text(), QStringLiteral("255"));
    EXPECT_EQ(hue()->text(), QStringLiteral("120.000000"));

    QTest::keyClick(hex(), Qt::Key_Backspace);
    EXPECT_EQ(hex()->text(), QStringLiteral("#00ff0"));
    EXPECT_EQ(well()->color(), 0u);
    EXPECT_EQ(green()->text(), QStringLiteral("0"));
    EXPECT_EQ(value()->text(), QStringLiteral("0"));
}

TEST_F(ColorDialogTest, OkShowsTheChosenColourAndCloses)
{
    type(hex(), QStringLiteral("#FF0000"));
    QTest::mouseClick(child<QPushButton>(1), Qt::LeftButton);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages.front(), QStringLiteral("(R-255,G-0,B-0)"));
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(ColorDialogTest, EscapeClosesWithoutAMessage)
{
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(ColorDialogTest, DragInHueModeSetsSaturationAcrossAndValueUpwards)
{
    const QRect area = field()->colorArea();
    QTest::mousePress(field(), Qt::LeftButton, {}, area.topLeft());
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(field()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(field()->model().position(), (Position{2400, 0, 1000}));
    EXPECT_EQ(well()->color(), makeColorRef(255, 255, 255));
    QTest::mouseMove(field(), area.center());
    const Position middle = field()->model().position();
    EXPECT_NEAR(middle.x, 500, 10);
    EXPECT_NEAR(middle.y, 500, 10);
    // Beyond the area the position stops at its edge.
    QTest::mouseMove(field(), area.bottomRight() + QPoint(40, 40));
    EXPECT_EQ(field()->model().position(), (Position{2400, 1000, 0}));
    EXPECT_EQ(well()->color(), 0u);
    EXPECT_EQ(slider()->model().param(0), 1000);
    EXPECT_EQ(slider()->model().param(1), 0);
    QTest::mouseRelease(field(), Qt::LeftButton, {}, area.bottomRight() + QPoint(40, 40));
    QTest::mouseMove(field(), area.center());
    EXPECT_EQ(field()->model().position(), (Position{2400, 1000, 0}));
}

TEST_F(ColorDialogTest, MiddleButtonDragEndsOnItsOwnRelease)
{
    const QRect area = field()->colorArea();
    QTest::mousePress(field(), Qt::MiddleButton, {}, area.center());
    QTest::mouseRelease(field(), Qt::LeftButton, {}, area.center());
    QTest::mouseMove(field(), area.topLeft());
    EXPECT_EQ(field()->model().position(), (Position{2400, 0, 1000}));
    QTest::mouseRelease(field(), Qt::MiddleButton, {}, area.topLeft());
    QTest::mouseMove(field(), area.center());
    EXPECT_EQ(field()->model().position(), (Position{2400, 0, 1000}));
}

TEST_F(ColorDialogTest, ArrowKeysMoveTheMarker)
{
    QTest::mouseClick(field(), Qt::LeftButton, {}, field()->colorArea().center());
    const Position start = field()->model().position();
    QTest::keyClick(field(), Qt::Key_Left);
    QTest::keyClick(field(), Qt::Key_Up);
    QTest::keyClick(field(), Qt::Key_Up);
    EXPECT_EQ(field()->model().position(), (Position{2400, start.x - 1, start.y + 2}));
    QTest::keyClick(field(), Qt::Key_PageUp);
    EXPECT_EQ(field()->model().position(), (Position{2400, 1000, 1000}));
    EXPECT_EQ(well()->color(), 0xFF0000u);
    EXPECT_EQ(hex()->text(), QStringLiteral("#0000FF"));
}

TEST_F(ColorDialogTest, SliderKeysAndDragChangeTheHue)
{
    QTest::mouseClick(slider(), Qt::LeftButton, {}, QPoint(1, 1)); // outside the hit area
    EXPECT_TRUE(slider()->hasFocus());
    EXPECT_EQ(slider()->model().component(), 2400);
    QTest::keyClick(slider(), Qt::Key_Up);
    EXPECT_EQ(field()->model().position().z, 2410);
    QTest::keyClick(slider(), Qt::Key_PageDown);
    EXPECT_EQ(field()->model().position().z, 2310);
    QTest::keyClick(slider(), Qt::Key_Home);
    EXPECT_EQ(field()->model().position().z, 3599);
    // Hue 359.9 rounds to pure red, whose hue is 0.
    EXPECT_EQ(well()->color(), makeColorRef(255, 0, 0));
    EXPECT_EQ(hue()->text(), QStringLiteral("0.000000"));

    const QRect bar = slider()->barRect();
    QTest::mousePress(slider(), Qt::LeftButton, {}, QPoint(bar.center().x(), bar.bottom()));
    EXPECT_EQ(field()->model().position().z, 0);
    EXPECT_EQ(well()->color(), makeColorRef(255, 0, 0));
    QTest::mouseMove(slider(), QPoint(bar.center().x(), bar.top() + (bar.height() - 1) / 3));
    EXPECT_NEAR(field()->model().position().z, 2400, 10);
    QTest::mouseRelease(slider(), Qt::LeftButton, {}, QPoint(bar.center().x(), bar.top()));
    EXPECT_NEAR(field()->model().position().z, 2400, 10);
}

TEST_F(ColorDialogTest, SliderShowsTheHueRampRedAtBothEnds)
{
    type(saturation(), QStringLiteral("100"));
    const QImage image = slider()->grab().toImage();
    const QRect bar = slider()->barRect();
    EXPECT_EQ(image.pixel(bar.center().x(), bar.bottom()), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(bar.center().x(), bar.top()), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(bar.left(), bar.top() + (bar.bottom() - bar.top()) / 3), qRgb(0, 0, 255));
    // Half the value (127 / 255 on the grid, 0.499): the ramp darkens with it.
    type(value(), QStringLiteral("50"));
    const QImage darker = slider()->grab().toImage();
    EXPECT_EQ(darker.pixel(bar.center().x(), bar.bottom()), qRgb(127, 0, 0));
}

TEST_F(ColorDialogTest, MarkerIsBlackOnBrightColoursAndWhiteOnDarkOnes)
{
    EXPECT_EQ(markerPixel(), qRgb(0, 0, 0));
    type(hex(), QStringLiteral("#7F7F7F"));
    EXPECT_EQ(markerPixel(), qRgb(255, 255, 255));
    type(hex(), QStringLiteral("#00007F"));
    EXPECT_EQ(markerPixel(), qRgb(255, 255, 255));
    type(hex(), QStringLiteral("#008000"));
    EXPECT_EQ(markerPixel(), qRgb(0, 0, 0));
}

TEST_F(ColorDialogTest, FieldShowsTheColourOfEachPosition)
{
    chooseMode(modeR);
    type(hex(), QStringLiteral("#40C080"));
    const QImage image = field()->grab().toImage();
    const QRect area = field()->colorArea();
    // R mode at red 0x40: blue across, green upwards.
    EXPECT_EQ(image.pixel(area.bottomLeft()), qRgb(0x40, 0, 0));
    EXPECT_EQ(image.pixel(area.topRight()), qRgb(0x40, 255, 255));
    const QPoint marker = field()->model().markerCenter(area);
    const QRgb under = image.pixel(marker);
    EXPECT_NEAR(qGreen(under), 0xC0, 2);
    EXPECT_NEAR(qBlue(under), 0x80, 2);
}

TEST_F(ColorDialogTest, ContextMenuOpensTheAboutBox)
{
    QString caption;
    platform::ui::setDialogResponder([&](QDialog &dialog) {
        caption = dialog.windowTitle();
        return int(QDialog::Accepted);
    });
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().front()->text(),
                  QStringLiteral("&Informazioni su Chromatrix..."));
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            m_dialog.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&m_dialog, &event);
    EXPECT_EQ(caption, QStringLiteral("About GTColorDialog"));
}

TEST_F(ColorDialogTest, ADragWhoseReleaseWasMissedEndsOnTheNextMove)
{
    const QRect area = field()->colorArea();
    QTest::mousePress(field(), Qt::LeftButton, {}, area.topLeft());
    // The pointer comes back with no button held: the release went elsewhere.
    const auto move = [&](QPoint point) {
        QMouseEvent event(QEvent::MouseMove, point, field()->mapToGlobal(point), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(field(), &event);
    };
    move(area.center());
    move(area.bottomRight());
    EXPECT_EQ(field()->model().position(), (Position{2400, 0, 1000}));
    EXPECT_EQ(field()->cursor().shape(), Qt::CrossCursor);
    move(area.topLeft() - QPoint(2, 2));
    EXPECT_EQ(field()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(field(), Qt::LeftButton, {}, area.topLeft());
}
