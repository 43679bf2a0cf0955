#pragma once

#include "colorref.h"

#include <cstddef>

// The picker's gradients, computed incrementally in 12.20 fixed point: only
// the set-up of a row or segment uses floating point. Every function writes
// `n` pixels to `out`; n below 1 writes nothing. Channel levels are rounded
// to the nearest byte, so a gradient between two bytes reaches both exactly.
namespace colourpicker {

// From one colour to another, step (to − from) / (n − 1): both ends reached.
void linearGradient(Pixel *out, int n, COLORREF from, COLORREF to);
// Red, yellow, green, cyan, blue, magenta and back to red, at saturation s and
// value v (0–1) in six segments that each reach both of their ends.
void hueRamp(Pixel *out, int n, double s, double v);
// From grey (v × 255) toward the fully saturated colour of hue h (degrees), by
// (final − start) / n per pixel.
void saturationRamp(Pixel *out, int n, double h, double v);
// From black toward the full-value colour of hue h and saturation s, by
// final / n per pixel.
void valueRamp(Pixel *out, int n, double h, double s);

// The colour area of the field, `width` × `height` pixels, the top line at
// `bits` and `stride` pixels from one line to the next. `mode` is 0–5 without
// its flag and z the slider's component. The RGB modes interpolate the four
// corner colours; the HSV modes paint one gradient per line, the bottom line
// at value (or saturation) 0 and the top line at 1.
void renderColorArea(Pixel *bits, std::ptrdiff_t stride, int width, int height, int mode, int z);

// The slider's gradient buffer, from the component's minimum to its maximum,
// or the other way round when `reversed`; the slider paints entry 0 on the
// bar's bottom row. `first` and `second` are the components the field holds
// (y and x in the RGB modes, x and y in the HSV modes).
void sliderGradient(Pixel *out, int n, int mode, int first, int second, bool reversed);

} // namespace colourpicker
