#include "quality.h"

namespace graphics {

std::optional<QualitySettings> qualityPreset(int preset)
{
    using S = SmoothingMode;
    using T = TextRenderingHint;
    using C = CompositingQuality;
    using P = PixelOffsetMode;
    switch (preset) {
    case 0:
        return QualitySettings{S::Default, T::SystemDefault, C::Default, P::Default};
    case 1:
        return QualitySettings{S::None, T::SingleBitPerPixel, C::HighSpeed, P::None};
    case 2:
        return QualitySettings{S::HighSpeed, T::SingleBitPerPixel, C::HighSpeed, P::HighSpeed};
    case 3:
        return QualitySettings{S::HighQuality, T::SystemDefault, C::HighQuality, P::HighSpeed};
    case 4:
        return QualitySettings{S::AntiAlias, T::SystemDefault, C::GammaCorrected, P::Half};
    case 5:
        return QualitySettings{S::AntiAlias, T::AntiAlias, C::GammaCorrected, P::HighQuality};
    default:
        return std::nullopt;
    }
}

bool antialiasesEdges(SmoothingMode mode)
{
    return mode == SmoothingMode::HighQuality || mode == SmoothingMode::AntiAlias;
}

bool antialiasesText(TextRenderingHint hint)
{
    return hint != TextRenderingHint::SingleBitPerPixel &&
           hint != TextRenderingHint::SingleBitPerPixelGridFit;
}

bool smoothsImages(CompositingQuality quality)
{
    return quality == CompositingQuality::HighQuality ||
           quality == CompositingQuality::GammaCorrected ||
           quality == CompositingQuality::AssumeLinear;
}

bool offsetsHalfPixel(PixelOffsetMode mode)
{
    return mode == PixelOffsetMode::Default || mode == PixelOffsetMode::HighSpeed ||
           mode == PixelOffsetMode::None;
}

} // namespace graphics
