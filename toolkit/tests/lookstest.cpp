#include "toolkit/commandtable.h"
#include "toolkit/drawmanager.h"
#include "toolkit/mdiframe.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/toolbarimages.h"
#include "toolkit/visualmanager.h"
#include "toolkit/visualmanagerxp.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

constexpr QRgb outside = 0xff123456;

// Paints with the look into the middle of a larger picture, so that paint
// leaking out of the rectangle shows.
template <typename Paint> QImage paintInside(Paint paint, QRect rect = QRect(10, 10, 40, 24))
{
    QImage image(60, 44, QImage::Format_RGB32);
    image.fill(outside);
    QPainter painter(&image);
    paint(painter, rect);
    return image;
}

bool onlyInside(const QImage &image, const QRect &rect)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!rect.contains(x, y) && image.pixel(x, y) != outside)
                return false;
        }
    }
    return true;
}

class LookTest : public ::testing::TestWithParam<const char *>
{
protected:
    std::unique_ptr<VisualManager> look = VisualManager::createBuiltInLook(GetParam());
};

} // namespace

TEST(DrawManagerTest, GradientStartsAndEndsOnTheGivenColours)
{
    QImage image(5, 11, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawManager::fillGradient(painter, image.rect(), QColor(0, 0, 0), QColor(100, 200, 250), true);
    painter.end();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(4, 10), qRgb(100, 200, 250));
    EXPECT_EQ(image.pixel(2, 5), qRgb(50, 100, 125));
    EXPECT_EQ(image.pixel(0, 5), image.pixel(4, 5)); // rows are even
}

TEST(DrawManagerTest, OneLineGradientTakesTheStartColourAndEmptyRectanglesPaintNothing)
{
    QImage image(4, 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawManager::fillGradient(painter, QRect(0, 0, 4, 1), Qt::red, Qt::blue, true);
    DrawManager::fillGradient(painter, QRect(0, 0, 0, 0), Qt::green, Qt::green, false);
    painter.end();
    EXPECT_EQ(image.pixel(3, 0), QColor(Qt::red).rgb());
    EXPECT_EQ(DrawManager::blend(Qt::white, Qt::black, 2.0), QColor(Qt::white));
    EXPECT_EQ(DrawManager::blend(Qt::white, Qt::black, -1.0), QColor(Qt::black));
}

TEST_P(LookTest, EveryPaintingCallStaysInsideItsRectangle)
{
    const QRect r(10, 10, 40, 24);
    const std::function<void(QPainter &, QRect)> calls[] = {
        [&](QPainter &p, QRect rect) {
            look->fillBarBackground(p, {BarKind::ToolBar, true, nullptr}, rect, rect, true);
        },
        [&](QPainter &p, QRect rect) {
            look->fillBarBackground(p, {BarKind::PopupMenu, false, nullptr}, rect, rect, false);
        },
        [&](QPainter &p, QRect rect) { look->drawMenuBorder(p, rect); },
        [&](QPainter &p, QRect rect) { look->drawBarGripper(p, rect, true); },
        [&](QPainter &p, QRect rect) { look->drawBarGripper(p, rect, false); },
        [&](QPainter &p, QRect rect) { look->drawSeparator(p, rect, true); },
        [&](QPainter &p, QRect rect) { look->drawSeparator(p, rect, false); },
        [&](QPainter &p, QRect rect) {
            for (ButtonState s : {ButtonState::Hot, ButtonState::Pressed, ButtonState::Checked,
                                  ButtonState::CheckedHot}) {
                look->fillButtonInterior(p, rect, s);
                look->drawButtonBorder(p, rect, s);
            }
        },
        [&](QPainter &p, QRect rect) { look->highlightMenuItem(p, rect, true); },
        [&](QPainter &p, QRect rect) { look->highlightMenuItem(p, rect, false); },
        [&](QPainter &p, QRect rect) { look->eraseTabsArea(p, rect); },
        [&](QPainter &p, QRect rect) { look->drawTab(p, rect, true, true); },
        [&](QPainter &p, QRect rect) { look->drawTab(p, rect, false, false); },
        [&](QPainter &p, QRect rect) { look->drawMenuSideBand(p, rect); },
    };
    int index = 0;
    for (const auto &call : calls) {
        const QImage image = paintInside(call, r);
        EXPECT_TRUE(onlyInside(image, r)) << GetParam() << " call " << index;
        ++index;
    }
}

TEST_P(LookTest, NormalButtonsArePaintedByTheBarAlone)
{
    const QRect r(10, 10, 40, 24);
    const QImage image = paintInside(
        [&](QPainter &p, QRect rect) {
            look->fillButtonInterior(p, rect, ButtonState::Normal);
            look->drawButtonBorder(p, rect, ButtonState::Normal);
        },
        r);
    EXPECT_EQ(image.pixel(20, 20), outside);
}

TEST_P(LookTest, HighlightedMenuTextStandsOutFromItsHighlight)
{
    const QImage image =
        paintInside([&](QPainter &p, QRect rect) { look->highlightMenuItem(p, rect, true); });
    const QColor highlight = image.pixelColor(30, 20);
    const QColor text = look->menuTextColor(true, true);
    EXPECT_GT(std::abs(highlight.lightness() - text.lightness()), 60);
    EXPECT_NE(look->menuTextColor(false, false), look->menuTextColor(false, true));
}

INSTANTIATE_TEST_SUITE_P(BuiltInLooks, LookTest, ::testing::Values("Standard", "Office XP"));

TEST(VisualManagerTest, ExactlyOneLookIsInForceAndEachChangeIsCounted)
{
    VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
    const quint64 before = VisualManager::generation();
    EXPECT_EQ(VisualManager::instance()->name(), "Office XP");
    VisualManager::destroyInstance();
    EXPECT_GT(VisualManager::generation(), before);
    // Destroying with none in force destroys a classic look made for it.
    VisualManager::destroyInstance();
    EXPECT_EQ(VisualManager::instance()->name(), "Standard");
    EXPECT_EQ(VisualManager::createBuiltInLook("Nessuno"), nullptr);
    VisualManager::setDefaultManager(nullptr);
    EXPECT_EQ(VisualManager::instance()->name(), "Standard");
}

TEST(VisualManagerTest, DisabledMenuItemsAreHighlightedOnlyWhenAsked)
{
    ASSERT_NE(VisualManager::instance(), nullptr); // installs the toolkit's style
    QStyle *style = QApplication::style();
    MenuBar::setHighlightDisabledItems(false);
    EXPECT_EQ(style->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled), 0);
    MenuBar::setHighlightDisabledItems(true);
    EXPECT_EQ(style->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled), 1);
    MenuBar::setHighlightDisabledItems(false);
}

TEST(VisualManagerTest, SideBandWidensTheMenuOnTheLeft)
{
    QWidget frame;
    CommandTable commands(&frame);
    commands.add({1, "Uno"});
    PopupMenu menu("File", commands);
    menu.addCommand(1);
    const int plain = menu.sizeHint().width();
    menu.setSideText("Domora", QFont("DejaVu Sans", 11, QFont::Bold, true));
    EXPECT_GT(menu.contentsMargins().left(), 10);
    EXPECT_GT(menu.sizeHint().width(), plain);
    menu.setSideText({}, QFont());
    EXPECT_EQ(menu.contentsMargins().left(), 0);
}

TEST(ToolBarImagesTest, StripIsCutIntoImagesWithLightGreyTransparent)
{
    QTemporaryDir dir;
    QImage strip(48, 15, QImage::Format_RGB32);
    strip.fill(qRgb(192, 192, 192));
    strip.setPixel(1, 1, qRgb(255, 0, 0));
    strip.setPixel(17, 1, qRgb(0, 255, 0));
    strip.setPixel(47, 14, qRgb(0, 0, 255));
    ASSERT_TRUE(strip.save(dir.filePath("tbar.bmp")));
    ToolBarImages images;
    ASSERT_TRUE(images.load(dir.filePath("tbar.bmp")));
    ASSERT_EQ(images.count(), 3);
    const QImage first = images.pixmap(0).toImage();
    EXPECT_EQ(first.size(), QSize(16, 15));
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0);
    EXPECT_EQ(first.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(images.pixmap(1).toImage().pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(images.pixmap(2).toImage().pixel(15, 14), qRgb(0, 0, 255));
    EXPECT_TRUE(images.icon(3).isNull());
    EXPECT_TRUE(images.icon(-1).isNull());
}

TEST(ToolBarImagesTest, MissingOrDamagedFileLoadsNothing)
{
    QTemporaryDir dir;
    QFile damaged(dir.filePath("tbar.bmp"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM\x10\x00 not a bitmap");
    damaged.close();
    ToolBarImages images;
    EXPECT_FALSE(images.load(dir.filePath("nessuno.bmp")));
    EXPECT_FALSE(images.load(damaged.fileName()));
    EXPECT_TRUE(images.isEmpty());
    QImage narrow(10, 15, QImage::Format_RGB32);
    narrow.fill(Qt::red);
    ASSERT_TRUE(narrow.save(dir.filePath("stretto.bmp")));
    EXPECT_FALSE(images.load(dir.filePath("stretto.bmp")));
}

TEST(CommandTableTest, WidgetCommandGivesEachToolbarItsOwnWidget)
{
    MdiFrame frame;
    int made = 0;
    frame.commands().addWidgetCommand({114, "Stile stanza"}, [&](QWidget *parent) {
        ++made;
        return new QWidget(parent);
    });
    ToolBar *a = frame.createToolBar(1, "A", {{114}});
    ToolBar *b = frame.createToolBar(2, "B", {{114}});
    frame.dockToolBar(a, Qt::TopToolBarArea);
    frame.dockToolBar(b, Qt::TopToolBarArea);
    EXPECT_EQ(made, 2);
    EXPECT_NE(a->widgetForAction(a->actions().first()), b->widgetForAction(b->actions().first()));
}

TEST(CommandTableTest, AddingAgainUpdatesTheCommandAndUserImagesComeAndGo)
{
    QWidget frame;
    CommandTable commands(&frame);
    QPixmap own(16, 16), user(16, 16);
    own.fill(Qt::red);
    user.fill(Qt::blue);
    QAction *first = commands.add({7, "&Uno", "Primo\nUno", QIcon(own), {QKeySequence("F7")}});
    QAction *again = commands.add({7, "&Due", "Secondo\nDue", QIcon(own)});
    EXPECT_EQ(first, again);
    EXPECT_EQ(commands.ids(), QList<int>({7}));
    EXPECT_EQ(commands.plainText(7), "Due");
    EXPECT_TRUE(commands.defaultShortcuts(7).isEmpty());
    commands.setUserImage(7, QIcon(user), 3);
    EXPECT_EQ(commands.userImageIndex(7), 3);
    EXPECT_EQ(first->icon().pixmap(16).toImage().pixel(2, 2), QColor(Qt::blue).rgb());
    commands.setUserImage(7, QIcon(), -1);
    EXPECT_EQ(commands.userImageIndex(7), -1);
    EXPECT_EQ(first->icon().pixmap(16).toImage().pixel(2, 2), QColor(Qt::red).rgb());
    EXPECT_EQ(CommandTable::idOf(first), 7);
    QAction stranger;
    EXPECT_EQ(CommandTable::idOf(&stranger), 0);
    EXPECT_EQ(CommandTable::idOf(nullptr), 0);
}
