#include "colourpicker/colortext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace colourpicker;

TEST(ColorText, LeadingIntegerReadsLikeTheCRuntime)
{
    const struct
    {
        const char *text;
        int value;
    } cases[] = {
        {"300", 300},
        {"-5", -5},
        {"+7", 7},
        {"  12x", 12},
        {"1 2", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"99999999999999", std::numeric_limits<int>::max()},
        {"-99999999999999", std::numeric_limits<int>::min()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(leadingInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ColorText, LeadingRealReadsAPointWhateverTheLocale)
{
    const struct
    {
        const char *text;
        double value;
    } cases[] = {
        {"240.5", 240.5}, {"-3", -3},   {".5", 0.5}, {"5.", 5},     {"-.5", -0.5},
        {"+2.25", 2.25},  {"1e2", 100}, {"1e", 1},   {"2E-1", 0.2}, {"12,5", 12},
        {" 7 %", 7},      {"abc", 0},   {".", 0},    {"", 0},       {"-e5", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(leadingReal(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_TRUE(std::isinf(leadingReal(QStringLiteral("1e999"))));
    EXPECT_EQ(leadingReal(QStringLiteral("1e-999")), 0);
}

TEST(ColorText, RgbBoxesAreClampedAndNonNumbersCountAsZero)
{
    EXPECT_EQ(colorFromRgbTexts(QStringLiteral("300"), QStringLiteral("-5"), QStringLiteral("x")),
              makeColorRef(255, 0, 0));
    EXPECT_EQ(colorFromRgbTexts(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("56")),
              makeColorRef(12, 34, 56));
}

TEST(ColorText, HsvBoxesAreClampedToTheirRanges)
{
    EXPECT_EQ(
        colorFromHsvTexts(QStringLiteral("240"), QStringLiteral("100"), QStringLiteral("100")),
        0xFF0000u);
    // Hue 400 stops at 359; 150 % saturation at 100 %.
    EXPECT_EQ(
        colorFromHsvTexts(QStringLiteral("400"), QStringLiteral("150"), QStringLiteral("100")),
        colorFromHsvTexts(QStringLiteral("359"), QStringLiteral("100"), QStringLiteral("100")));
    EXPECT_EQ(
        colorFromHsvTexts(QStringLiteral("-20"), QStringLiteral("100"), QStringLiteral("100")),
        makeColorRef(255, 0, 0));
    EXPECT_EQ(colorFromHsvTexts(QStringLiteral("120"), QStringLiteral("100"), QStringLiteral("-3")),
              0u);
    EXPECT_EQ(
        colorFromHsvTexts(QStringLiteral("1e999"), QStringLiteral("abc"), QStringLiteral("50")),
        makeColorRef(127, 127, 127));
}

TEST(ColorText, HexNeedsSevenCharactersAndAHash)
{
    EXPECT_EQ(colorFromHexText(QStringLiteral("#00ff00")), makeColorRef(0, 255, 0));
    EXPECT_EQ(colorFromHexText(QStringLiteral("#0000FF")), 0xFF0000u);
    EXPECT_EQ(colorFromHexText(QStringLiteral("#12aB9c")), makeColorRef(0x12, 0xAB, 0x9C));
    EXPECT_EQ(colorFromHexText(QStringLiteral("#00ff0")), 0u);
    EXPECT_EQ(colorFromHexText(QStringLiteral("#00ff000")), 0u);
    EXPECT_EQ(colorFromHexText(QStringLiteral("x00ff00")), 0u);
    EXPECT_EQ(colorFromHexText(QString()), 0u);
}

TEST(ColorText, HexDigitsAreNotCheckedButCutToABYte)
{
    // 'G' counts as 16: 16 × 16 + 16 = 272, cut to 16.
    EXPECT_EQ(redOf(colorFromHexText(QStringLiteral("#GG0000"))), 16);
    // ':' and ';' follow '9' and count as 10 and 11.
    EXPECT_EQ(greenOf(colorFromHexText(QStringLiteral("#00:;00"))), 0xAB);
    // A space counts as −16: −16 × 16 + 0 = −256, cut to 0.
    EXPECT_EQ(blueOf(colorFromHexText(QStringLiteral("#0000 0"))), 0);
    // Characters beyond the code page become '?', one byte each.
    EXPECT_EQ(blueOf(colorFromHexText(QStringLiteral("#0000\u4e2d0"))), ((63 - 48) * 16) & 0xFF);
}

TEST(ColorText, BoxTextsOfAColour)
{
    const EditBoxTexts blue = editBoxTexts(0xFF0000);
    EXPECT_EQ(blue.red, QStringLiteral("0"));
    EXPECT_EQ(blue.green, QStringLiteral("0"));
    EXPECT_EQ(blue.blue, QStringLiteral("255"));
    EXPECT_EQ(blue.hue, QStringLiteral("240.000000"));
    EXPECT_EQ(blue.saturation, QStringLiteral("100"));
    EXPECT_EQ(blue.value, QStringLiteral("100"));
    EXPECT_EQ(blue.hex, QStringLiteral("#0000FF"));

    const EditBoxTexts orange = editBoxTexts(makeColorRef(255, 128, 10));
    EXPECT_EQ(orange.hue, QStringLiteral("28.897959"));
    EXPECT_EQ(orange.saturation, QStringLiteral("96"));
    EXPECT_EQ(orange.hex, QStringLiteral("#FF800A"));

    const EditBoxTexts grey = editBoxTexts(makeColorRef(100, 100, 100));
    EXPECT_EQ(grey.hue, QStringLiteral("0.000000"));
    EXPECT_EQ(grey.saturation, QStringLiteral("0"));
    EXPECT_EQ(grey.value, QStringLiteral("39")); // 39.2 truncated
}

TEST(ColorText, ChosenColourMessage)
{
    EXPECT_EQ(chosenColorMessage(makeColorRef(255, 0, 0)), QStringLiteral("(R-255,G-0,B-0)"));
    EXPECT_EQ(chosenColorMessage(makeColorRef(1, 22, 133)), QStringLiteral("(R-1,G-22,B-133)"));
}
