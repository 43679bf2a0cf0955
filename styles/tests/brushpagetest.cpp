#include "styles/brushpage.h"

#include "model/brushstyle.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace styles;

namespace {

struct ScriptedAnswer
{
    bool answer = true;
    QStringList asked;
    YesNoQuestion question()
    {
        return [this](const QString &text) {
            asked << text;
            return answer;
        };
    }
};

} // namespace

TEST(BrushPage, ColoursSplitIntoRgbAndAlphaAndJoinBack)
{
    BrushStyle style;
    style.fillKind = BrushStyle::fillGradient;
    style.solidColor = 0x80112233;
    style.color1 = 0x00445566;
    style.color2 = 0xFF778899;
    style.gradientMode = 3;
    const BrushPageValues page = brushPageValues(style);
    EXPECT_EQ(page.solidRgb, 0x112233u);
    EXPECT_EQ(page.solidAlpha, 0x80);
    EXPECT_EQ(page.startAlpha, 0);
    EXPECT_EQ(page.endRgb, 0x778899u);

    BrushStyle back;
    ASSERT_FALSE(storeBrushPage(page, back).has_value());
    EXPECT_EQ(back.solidColor, style.solidColor);
    EXPECT_EQ(back.color1, style.color1);
    EXPECT_EQ(back.color2, style.color2);
    EXPECT_EQ(back.gradientMode, 3);
    EXPECT_EQ(back.fillKind, BrushStyle::fillGradient);
}

TEST(BrushPage, AlphaZeroKeepsTheSolidKind)
{
    BrushStyle style = BrushStyle::solid(0xFFFF0000);
    BrushPageValues page = brushPageValues(style);
    page.solidAlpha = 0;
    ASSERT_FALSE(storeBrushPage(page, style).has_value());
    EXPECT_EQ(style.solidColor, 0x00FF0000u);
    EXPECT_EQ(style.fillKind, BrushStyle::fillSolid);
}

TEST(BrushPage, ScaleIsAPercentageAndSurvivesTheRoundTrip)
{
    BrushStyle style;
    style.textureScale = 0.2f;
    style.textureAngle = 45.9f;
    BrushPageValues page = brushPageValues(style);
    EXPECT_EQ(page.scalePercent, 20);
    EXPECT_EQ(page.angleDeg, 45); // truncated
    for (int percent = 1; percent <= 500; ++percent) {
        page.scalePercent = percent;
        ASSERT_FALSE(storeBrushPage(page, style).has_value());
        ASSERT_EQ(brushPageValues(style).scalePercent, percent) << percent;
    }
    EXPECT_FLOAT_EQ(style.textureScale, 5.0f);
}

TEST(BrushPage, AngleAndScaleOutsideTheirRangesAreRefused)
{
    BrushStyle style;
    const BrushStyle before = style;
    BrushPageValues page = brushPageValues(style);
    for (auto [angle, scale] : {std::pair{-1, 20}, {361, 20}, {0, 0}, {0, 501}}) {
        page.angleDeg = angle;
        page.scalePercent = scale;
        EXPECT_TRUE(storeBrushPage(page, style).has_value()) << angle << " " << scale;
        EXPECT_EQ(style, before);
    }
    page.angleDeg = 360;
    page.scalePercent = 500;
    EXPECT_FALSE(validateBrushPage(page).has_value());
}

TEST(BrushPage, EachKindEnablesOnlyItsControls)
{
    EXPECT_EQ(enabledControls(BrushStyle::fillNone), BrushPageControls{});
    EXPECT_EQ(enabledControls(BrushStyle::fillSolid), (BrushPageControls{true, false, false}));
    EXPECT_EQ(enabledControls(BrushStyle::fillGradient), (BrushPageControls{false, true, false}));
    EXPECT_EQ(enabledControls(BrushStyle::fillTexture), (BrushPageControls{false, false, true}));
}

TEST(BrushPage, BrowsingWithoutAnImageOffersTransparency)
{
    BrushPageValues page;
    page.fillKind = BrushStyle::fillTexture;
    ScriptedAnswer no;
    no.answer = false;
    afterTextureBrowse(page, true, {}, no.question());
    EXPECT_EQ(no.asked.size(), 1);
    EXPECT_TRUE(no.asked[0].startsWith(QStringLiteral("Non hai selezionato nessuna texture")));
    EXPECT_EQ(page.fillKind, BrushStyle::fillTexture);

    ScriptedAnswer yes;
    afterTextureBrowse(page, true, {}, yes.question());
    EXPECT_EQ(page.fillKind, BrushStyle::fillNone);

    afterTextureBrowse(page, false, {}, yes.question()); // cancelled: no question
    afterTextureBrowse(page, true, QStringLiteral("/lib/marmo.bmp"), yes.question());
    EXPECT_EQ(yes.asked.size(), 1);
    EXPECT_EQ(page.texturePath, QStringLiteral("/lib/marmo.bmp"));
}

TEST(BrushPage, LeavingATextureWithoutImageAsksAndNoRestoresTheKind)
{
    BrushPageValues page;
    page.fillKind = BrushStyle::fillTexture;
    ScriptedAnswer no;
    no.answer = false;
    beforeLeaving(page, BrushStyle::fillGradient, no.question());
    EXPECT_EQ(page.fillKind, BrushStyle::fillGradient);
    EXPECT_TRUE(no.asked[0].contains(QStringLiteral("occorre anche specificare un'immagine")));

    page.fillKind = BrushStyle::fillTexture;
    ScriptedAnswer yes;
    beforeLeaving(page, BrushStyle::fillGradient, yes.question());
    EXPECT_EQ(page.fillKind, BrushStyle::fillNone);

    page.fillKind = BrushStyle::fillTexture;
    page.texturePath = QStringLiteral("/lib/marmo.bmp");
    ScriptedAnswer silent;
    beforeLeaving(page, BrushStyle::fillGradient, silent.question());
    EXPECT_TRUE(silent.asked.isEmpty());
    EXPECT_EQ(page.fillKind, BrushStyle::fillTexture);
}
