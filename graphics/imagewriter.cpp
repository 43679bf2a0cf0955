#include "imagewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <gif_lib.h>

#include <cmath>
#include <vector>

namespace graphics::imagewriter {

QSize exportSize(int percent)
{
    return {static_cast<int>(percent * 5.67), static_cast<int>(percent * 3.78)};
}

Format formatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix.contains(QLatin1String("jpg")) ? Format::Jpeg : Format::Gif;
}

namespace {

bool isEmptyPixel(QRgb p)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    return (r == g && g == b) || b > 240;
}

} // namespace

QImage trimmed(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int h = rgb.height();
    const int w = rgb.width();
    for (int row = h - 1; row >= 1; --row) {
        const int line = h - 1 - row; // top-down index of the bottom-up row
        const auto *px = reinterpret_cast<const QRgb *>(rgb.constScanLine(line));
        for (int x = 0; x < w; ++x) {
            if (!isEmptyPixel(px[x]))
                return image.copy(0, 0, w, row);
        }
    }
    return image;
}

namespace {

struct GifWriteContext
{
    QSaveFile *file = nullptr;
};

int gifOutput(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *ctx = static_cast<GifWriteContext *>(gif->UserData);
    return static_cast<int>(ctx->file->write(reinterpret_cast<const char *>(bytes), length));
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool writeGif(const QImage &image, const QString &path, int /*dpi*/, QString *error)
{
    // GIF has no resolution field; the picture keeps its pixel size.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    const QImage indexed = opaque.convertToFormat(
        QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither | Qt::ColorOnly);
    if (indexed.isNull() || indexed.width() <= 0 || indexed.height() <= 0)
        return fail(error, QStringLiteral("Immagine vuota: nulla da salvare."));

    QVector<QRgb> table = indexed.colorTable();
    int colours = 2;
    while (colours < table.size() && colours < 256)
        colours *= 2;
    std::vector<GifColorType> palette(static_cast<size_t>(colours), GifColorType{0, 0, 0});
    for (int i = 0; i < table.size() && i < colours; ++i)
        palette[static_cast<size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                           static_cast<GifByteType>(qGreen(table[i])),
                                           static_cast<GifByteType>(qBlue(table[i]))};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    GifWriteContext ctx{&file};
    int gifError = 0;
    GifFileType *gif = EGifOpen(&ctx, gifOutput, &gifError);
    if (!gif)
        return fail(error, QString::fromLatin1(GifErrorString(gifError)));
    ColorMapObject *map = GifMakeMapObject(colours, palette.data());
    bool ok =
        map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        auto *line = const_cast<GifByteType *>(indexed.constScanLine(y));
        ok = EGifPutLine(gif, line, indexed.width()) == GIF_OK;
    }
    if (map)
        GifFreeMapObject(map);
    const int closeResult = EGifCloseFile(gif, &gifError);
    ok = ok && closeResult == GIF_OK;
    if (!ok) {
        file.cancelWriting();
        return fail(error,
                    QStringLiteral("Errore durante la scrittura del file GIF %1.").arg(path));
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool write(const QImage &image, const QString &path, Format format, int dpi, QString *error)
{
    if (format == Format::Gif)
        return writeGif(image, path, dpi, error);
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    out.setDotsPerMeterX(dotsPerMetre);
    out.setDotsPerMeterY(dotsPerMetre);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    if (!writer.write(out)) {
        file.cancelWriting();
        return fail(error, writer.errorString());
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace graphics::imagewriter
