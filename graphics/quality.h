#pragma once

#include <optional>

namespace graphics {

// The four rendering modes of a drawing context. The numbers are the ones the
// options and the quality presets have always used.
enum class SmoothingMode
{
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    None = 3,
    AntiAlias = 4,
};

enum class TextRenderingHint
{
    SystemDefault = 0,
    SingleBitPerPixelGridFit = 1,
    SingleBitPerPixel = 2,
    AntiAliasGridFit = 3,
    AntiAlias = 4,
    ClearTypeGridFit = 5,
};

enum class CompositingQuality
{
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    GammaCorrected = 3,
    AssumeLinear = 4,
};

enum class PixelOffsetMode
{
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    None = 3,
    Half = 4,
};

struct QualitySettings
{
    SmoothingMode smoothing = SmoothingMode::Default;
    TextRenderingHint textRendering = TextRenderingHint::SystemDefault;
    CompositingQuality compositing = CompositingQuality::Default;
    PixelOffsetMode pixelOffset = PixelOffsetMode::Default;

    friend bool operator==(const QualitySettings &, const QualitySettings &) = default;
};

// The six presets of the "Prestazioni" list, 0 to 5; any other number has no
// preset and leaves a context as it is.
//
//   0 system settings        default      system default  default          default
//   1 fastest                none         1 bit/pixel     high speed       none
//   2 fast                   high speed   1 bit/pixel     high speed       high speed
//   3 medium (the default)   high quality system default  high quality     high speed
//   4 good                   anti-alias   system default  gamma corrected  half
//   5 best (exports)         anti-alias   anti-alias      gamma corrected  high quality
[[nodiscard]] std::optional<QualitySettings> qualityPreset(int preset);

inline constexpr int exportQualityPreset = 5;
inline constexpr int defaultQualityPreset = 3;
inline constexpr int qualityPresetCount = 6;

// What each mode means on a QPainter:
// - smoothing: high quality and anti-alias turn on QPainter::Antialiasing;
//   default, high speed and none draw aliased edges.
// - text rendering: the single-bit hints turn QPainter::TextAntialiasing off;
//   every other hint (the system default included) keeps it on.
// - compositing quality: decides how pictures and texture fills are resampled.
//   High speed and default pick the nearest pixel; high quality, gamma
//   corrected and assume linear turn on QPainter::SmoothPixmapTransform.
//   QPainter always blends in sRGB, so there is no gamma-correct blending to
//   choose beyond that.
// - pixel offset: with default, high speed and none, integer coordinates fall
//   on pixel centres (the device is shifted by half a pixel, which keeps thin
//   axis-aligned lines crisp); with half and high quality they fall on pixel
//   corners, QPainter's own convention.
[[nodiscard]] bool antialiasesEdges(SmoothingMode mode);
[[nodiscard]] bool antialiasesText(TextRenderingHint hint);
[[nodiscard]] bool smoothsImages(CompositingQuality quality);
[[nodiscard]] bool offsetsHalfPixel(PixelOffsetMode mode);

} // namespace graphics
