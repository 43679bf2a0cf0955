#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The raster side of the image export: the picture's size as a fraction of a
// 15 x 10 cm photograph, the format chosen by the file name, the trim rule,
// and writing GIF (8-bit palette, no error diffusion) or JPEG files with a
// resolution.
namespace graphics::imagewriter {

enum class Format
{
    Gif,
    Jpeg
};

// trunc(percent x 5.67) by trunc(percent x 3.78) pixels: 567 x 378 at 100 %,
// 15 x 10 cm at 96 pixels per inch.
[[nodiscard]] QSize exportSize(int percent);
// JPEG when the lower-cased extension contains "jpg", GIF for any other
// extension or none.
[[nodiscard]] Format formatForPath(const QString &path);

// The "Adatta" rule: rows are counted from the bottom as the raster library
// counts them (row 0 is the bottom line). From row height-1 (the top line)
// down to row 1, the first row holding a pixel that is not empty (empty:
// blue, green and red all equal, or blue above 240) gives the crop: the
// picture keeps its top `row` lines. A picture with no such row is returned
// unchanged.
[[nodiscard]] QImage trimmed(const QImage &image);

// Writes the picture; `dpi` is stored as its resolution on both axes.
// Returns false with the reason in `error` when the file cannot be written.
bool write(const QImage &image, const QString &path, Format format, int dpi,
           QString *error = nullptr);

// The GIF encoder on its own (used by write()).
bool writeGif(const QImage &image, const QString &path, int dpi, QString *error = nullptr);

} // namespace graphics::imagewriter
