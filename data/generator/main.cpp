// datagen: builds the installation data from the sources in the data folder.
//
//   datagen picture DRAWING.svg OUT.png|OUT.jpg PIXELS_PER_UNIT DPI
//   datagen bitmap DRAWING.svg OUT.bmp WIDTH HEIGHT [#rrggbb]
//   datagen icon DRAWING.svg OUT.png SIZE
//   datagen texture NAME OUT.jpg SIZE DPI
//   datagen textures
//   datagen text SOURCE.txt OUT
//
// Every output is written whole or not at all, so an interrupted build never
// leaves a half-written file that looks up to date.

#include "svgpicture.h"
#include "textfile.h"
#include "textures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "datagen: %s\n", qPrintable(message));
    return 1;
}

bool parseNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && *value > 0;
}

// Writes the image in the format its extension names; JPEG pictures get a
// white background because the format has no transparency.
bool writeImage(QImage image, const QString &path, double dpi, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray format;
    int quality = -1;
    if (suffix == u"png") {
        format = "PNG";
        image = image.convertToFormat(QImage::Format_ARGB32);
    } else if (suffix == u"jpg" || suffix == u"jpeg") {
        format = "JPEG";
        quality = 92;
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        {
            QPainter p(&flat);
            p.drawImage(0, 0, image);
        }
        image = flat;
    } else if (suffix == u"bmp") {
        format = "BMP";
        image = image.convertToFormat(QImage::Format_RGB888);
    } else {
        *error = QStringLiteral("%1: formato non previsto").arg(path);
        return false;
    }
    if (dpi > 0) {
        const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, out.errorString());
        return false;
    }
    QImageWriter writer(&out, format);
    if (quality > 0)
        writer.setQuality(quality);
    if (!writer.write(image) || !out.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

int picture(const QStringList &args)
{
    double scale = 0, dpi = 0;
    if (args.size() != 4 || !parseNumber(args[2], &scale) || !parseNumber(args[3], &dpi))
        return fail(QStringLiteral("uso: picture DISEGNO.svg USCITA PIXEL_PER_UNITA DPI"));
    QString error;
    const QImage image = datagen::renderScaled(args[0], scale, QColor(), &error);
    if (image.isNull() || !writeImage(image, args[1], dpi, &error))
        return fail(error);
    return 0;
}

int bitmap(const QStringList &args)
{
    double w = 0, h = 0;
    if (args.size() < 4 || args.size() > 5 || !parseNumber(args[2], &w) ||
        !parseNumber(args[3], &h))
        return fail(
            QStringLiteral("uso: bitmap DISEGNO.svg USCITA.bmp LARGHEZZA ALTEZZA [#rrggbb]"));
    const QColor background(args.size() == 5 ? args[4] : QStringLiteral("#ffffff"));
    if (!background.isValid())
        return fail(QStringLiteral("colore di sfondo non valido: %1").arg(args[4]));
    QString error;
    const QImage image = datagen::renderSized(
        args[0], QSize(static_cast<int>(w), static_cast<int>(h)), background, &error);
    if (image.isNull() || !writeImage(image, args[1], 0, &error))
        return fail(error);
    return 0;
}

int icon(const QStringList &args)
{
    double size = 0;
    if (args.size() != 3 || !parseNumber(args[2], &size))
        return fail(QStringLiteral("uso: icon DISEGNO.svg USCITA.png LATO"));
    QString error;
    const int side = static_cast<int>(size);
    const QImage image = datagen::renderSized(args[0], QSize(side, side), QColor(), &error);
    if (image.isNull() || !writeImage(image, args[1], 0, &error))
        return fail(error);
    return 0;
}

int texture(const QStringList &args)
{
    double size = 0, dpi = 0;
    if (args.size() != 4 || !parseNumber(args[2], &size) || !parseNumber(args[3], &dpi))
        return fail(QStringLiteral("uso: texture NOME USCITA.jpg LATO DPI"));
    const int side = static_cast<int>(size);
    if (side % 2 != 0)
        return fail(QStringLiteral("il lato della texture deve essere pari"));
    const QImage image = datagen::makeTexture(args[0], side);
    if (image.isNull())
        return fail(QStringLiteral("texture sconosciuta: %1").arg(args[0]));
    QString error;
    if (!writeImage(image, args[1], dpi, &error))
        return fail(error);
    return 0;
}

int textures()
{
    QTextStream out(stdout);
    for (const QString &name : datagen::textureNames())
        out << name << '\n';
    return 0;
}

int text(const QStringList &args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("uso: text SORGENTE USCITA"));
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(args[0], in.errorString()));
    QByteArray bytes;
    QString error;
    if (!datagen::toWindowsText(in.readAll(), &bytes, &error))
        return fail(QStringLiteral("%1: %2").arg(args[0], error));
    QDir().mkpath(QFileInfo(args[1]).absolutePath());
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(QStringLiteral("%1: %2").arg(args[1], out.errorString()));
    return 0;
}

// Keeps the build log quiet about the missing runtime folder of a session
// without a desktop; every other message goes through.
void messageFilter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QStringLiteral("QStandardPaths:")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(messageFilter);
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return fail(
            QStringLiteral("comando mancante (picture, bitmap, icon, texture, textures, text)"));
    const QString command = args.takeFirst();
    if (command == u"picture")
        return picture(args);
    if (command == u"bitmap")
        return bitmap(args);
    if (command == u"icon")
        return icon(args);
    if (command == u"texture")
        return texture(args);
    if (command == u"textures")
        return textures();
    if (command == u"text")
        return text(args);
    return fail(QStringLiteral("comando sconosciuto: %1").arg(command));
}
