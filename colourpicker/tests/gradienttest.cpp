#include "colourpicker/gradient.h"

#include "colourpicker/colormode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace colourpicker;

namespace {

std::vector<Pixel> gradientOf(int n, const auto &fill)
{
    std::vector<Pixel> pixels(static_cast<std::size_t>(n), 0);
    fill(pixels.data(), n);
    return pixels;
}

int channel(Pixel p, int shift)
{
    return static_cast<int>((p >> shift) & 0xFF);
}

// Each channel moves in one direction only, by at most `maxStep` per pixel.
void expectMonotonic(const std::vector<Pixel> &pixels, int maxStep)
{
    for (int shift : {16, 8, 0}) {
        int direction = 0;
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const int d = channel(pixels[i], shift) - channel(pixels[i - 1], shift);
            ASSERT_LE(std::abs(d), maxStep) << "pixel " << i;
            if (d != 0 && direction == 0)
                direction = d;
            ASSERT_GE(d * direction, 0) << "pixel " << i;
        }
    }
}

} // namespace

TEST(Gradient, LinearReachesBothEndsAtEveryLength)
{
    const COLORREF from = makeColorRef(0, 200, 255);
    const COLORREF to = makeColorRef(255, 3, 0);
    for (int n : {2, 3, 7, 100, 255, 256, 300, 1023, 4097}) {
        const auto pixels =
            gradientOf(n, [&](Pixel *out, int k) { linearGradient(out, k, from, to); });
        EXPECT_EQ(pixels.front(), pixelOf(from)) << n;
        EXPECT_EQ(pixels.back(), pixelOf(to)) << n;
        expectMonotonic(pixels, 255);
    }
    const auto single = gradientOf(1, [&](Pixel *out, int k) { linearGradient(out, k, from, to); });
    EXPECT_EQ(single.front(), pixelOf(from));
}

TEST(Gradient, HueRampRunsThroughTheSixSectorsFromRedToRed)
{
    for (int n : {6, 7, 100, 241, 253, 1000}) {
        const auto pixels = gradientOf(n, [](Pixel *out, int k) { hueRamp(out, k, 1, 1); });
        const std::vector<Pixel> corners = {0xFFFF0000, 0xFFFFFF00, 0xFF00FF00, 0xFF00FFFF,
                                            0xFF0000FF, 0xFFFF00FF, 0xFFFF0000};
        // Segment k starts with corner k and ends with corner k + 1.
        int begin = 0;
        for (int k = 0; k < 6; ++k) {
            const int end = k < 5 ? static_cast<int>((k + 1) * n / 6.0) : n;
            if (end - begin > 1) {
                EXPECT_EQ(pixels[static_cast<std::size_t>(begin)], corners[k]) << n << ' ' << k;
                EXPECT_EQ(pixels[static_cast<std::size_t>(end - 1)], corners[k + 1])
                    << n << ' ' << k;
            }
            begin = end;
        }
        if (n > 6) {
            EXPECT_EQ(pixels.back(), 0xFFFF0000) << n;
        }
    }
}

TEST(Gradient, HueRampAtLowerSaturationAndValue)
{
    // value 0.6: high 153; saturation 0.5: low 76.5, rounded to 77.
    const auto pixels = gradientOf(120, [](Pixel *out, int k) { hueRamp(out, k, 0.5, 0.6); });
    EXPECT_EQ(pixels.front(), 0xFF000000u | 153u << 16 | 77u << 8 | 77u);
    EXPECT_EQ(pixels[19], 0xFF000000u | 153u << 16 | 153u << 8 | 77u);
    EXPECT_EQ(pixels.back(), pixels.front());
}

TEST(Gradient, SaturationRampStartsGreyAndApproachesFullSaturation)
{
    const int n = 200;
    const auto pixels = gradientOf(n, [](Pixel *out, int k) { saturationRamp(out, k, 240, 1); });
    EXPECT_EQ(pixels.front(), 0xFFFFFFFFu);
    // One step short of pure blue: 255 − 255 / n.
    EXPECT_EQ(channel(pixels.back(), 0), 255);
    EXPECT_EQ(channel(pixels.back(), 16), 1);
    EXPECT_EQ(channel(pixels.back(), 8), 1);
    expectMonotonic(pixels, 2);

    const auto dark = gradientOf(n, [](Pixel *out, int k) { saturationRamp(out, k, 0, 0); });
    for (Pixel p : dark)
        ASSERT_EQ(p, 0xFF000000u);
}

TEST(Gradient, ValueRampStartsBlack)
{
    const int n = 255;
    const auto pixels = gradientOf(n, [](Pixel *out, int k) { valueRamp(out, k, 120, 1); });
    EXPECT_EQ(pixels.front(), 0xFF000000u);
    EXPECT_EQ(pixels.back(), 0xFF00FE00u);
    expectMonotonic(pixels, 1);
}

TEST(Gradient, RgbAreaHasTheCornerColoursExactly)
{
    const int width = 97, height = 61, stride = 100;
    std::vector<Pixel> bits(static_cast<std::size_t>(stride * height), 0x12345678);
    renderColorArea(bits.data(), stride, width, height, modeR, 77);
    const auto at = [&](int x, int y) { return bits[static_cast<std::size_t>(y * stride + x)]; };
    // R mode: blue across, green upwards, red fixed.
    EXPECT_EQ(at(0, 0), pixelOf(makeColorRef(77, 255, 0)));
    EXPECT_EQ(at(width - 1, 0), pixelOf(makeColorRef(77, 255, 255)));
    EXPECT_EQ(at(0, height - 1), pixelOf(makeColorRef(77, 0, 0)));
    EXPECT_EQ(at(width - 1, height - 1), pixelOf(makeColorRef(77, 0, 255)));
    // Padding beyond the width is left alone.
    EXPECT_EQ(at(width, 5), 0x12345678u);
    // A pixel inside is within one step of its position's colour.
    const COLORREF middle = colorOfPosition(modeR, {77, 255 * 40 / 96, 255 * 30 / 60});
    EXPECT_NEAR(channel(at(40, 30), 0), blueOf(middle), 1);
    EXPECT_NEAR(channel(at(40, 30), 8), greenOf(middle), 1);
}

TEST(Gradient, HsvAreaRunsFromTheBottomLineToTheTopLine)
{
    const int width = 50, height = 40;
    std::vector<Pixel> bits(static_cast<std::size_t>(width * height), 0);
    const auto at = [&](int x, int y) { return bits[static_cast<std::size_t>(y * width + x)]; };

    // H mode, hue 120: saturation across, value upwards.
    renderColorArea(bits.data(), width, width, height, modeH, 1200);
    EXPECT_EQ(at(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(at(0, height - 1), 0xFF000000u);
    EXPECT_EQ(at(width - 1, height - 1), 0xFF000000u);
    EXPECT_EQ(channel(at(width - 1, 0), 8), 255);
    EXPECT_LE(channel(at(width - 1, 0), 16), 255 / width + 1);

    // S mode, full saturation: the hue ramp across, dark at the bottom.
    renderColorArea(bits.data(), width, width, height, modeS, 1000);
    EXPECT_EQ(at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(at(width - 1, 0), 0xFFFF0000u);
    EXPECT_EQ(at(width / 2, height - 1), 0xFF000000u);

    // V mode, full value: grey at the bottom (saturation 0), hues at the top.
    renderColorArea(bits.data(), width, width, height, modeV, 1000);
    EXPECT_EQ(at(width / 2, height - 1), 0xFFFFFFFFu);
    EXPECT_EQ(at(0, 0), 0xFFFF0000u);
}

TEST(Gradient, SliderBufferPerModeAndReversed)
{
    const int n = 64;
    std::vector<Pixel> buffer(n);
    // B mode: the field gives (y, x) = (green, red).
    sliderGradient(buffer.data(), n, modeB, 10, 20, false);
    EXPECT_EQ(buffer.front(), pixelOf(makeColorRef(20, 10, 0)));
    EXPECT_EQ(buffer.back(), pixelOf(makeColorRef(20, 10, 255)));
    sliderGradient(buffer.data(), n, modeB, 10, 20, true);
    EXPECT_EQ(buffer.front(), pixelOf(makeColorRef(20, 10, 255)));

    sliderGradient(buffer.data(), n, modeR, 10, 20, false);
    EXPECT_EQ(buffer.back(), pixelOf(makeColorRef(255, 10, 20)));
    sliderGradient(buffer.data(), n, modeG, 10, 20, false);
    EXPECT_EQ(buffer.back(), pixelOf(makeColorRef(10, 255, 20)));

    // H mode: the hue ramp, red at both ends.
    sliderGradient(buffer.data(), n, modeH, 1000, 1000, false);
    EXPECT_EQ(buffer.front(), 0xFFFF0000u);
    EXPECT_EQ(buffer.back(), 0xFFFF0000u);
    // S mode: grey toward the hue; V mode: black toward it.
    sliderGradient(buffer.data(), n, modeS, 2400, 1000, false);
    EXPECT_EQ(buffer.front(), 0xFFFFFFFFu);
    sliderGradient(buffer.data(), n, modeV, 2400, 1000, false);
    EXPECT_EQ(buffer.front(), 0xFF000000u);
    EXPECT_EQ(channel(buffer.back(), 0), 251); // 63 steps of 255 / 64
}

TEST(Gradient, OutOfRangeComponentsStayInsideTheBytes)
{
    std::vector<Pixel> buffer(30);
    sliderGradient(buffer.data(), 30, modeH, 5000, 3599, false);
    EXPECT_EQ(buffer.front(), 0xFFFF0000u);
    sliderGradient(buffer.data(), 30, modeS, 9999, 9999, false);
    EXPECT_EQ(buffer.front(), 0xFFFFFFFFu);
}
