#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Renders the SVG drawings of the data folder into bitmaps.
namespace datagen {

// The drawing at `pixelsPerUnit` pixels per unit of its view box, on a
// transparent background (or on `background` when it is valid). Null with
// the reason in `error` when the file is missing or not a valid drawing.
[[nodiscard]] QImage renderScaled(const QString &svgPath, double pixelsPerUnit,
                                  const QColor &background, QString *error);

// The drawing stretched to exactly `size` pixels.
[[nodiscard]] QImage renderSized(const QString &svgPath, QSize size, const QColor &background,
                                 QString *error);

} // namespace datagen
