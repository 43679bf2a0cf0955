#include "tools/fpdtool/imagecommands.h"

#include "graphics/quality.h"
#include "model/cdomoradoc.h"
#include "model/errorreport.h"
#include "model/renderdocument.h"
#include "model/renderexport.h"
#include "platform/registry.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace fpdtool {

namespace {

constexpr int defaultRenderDpi = 96;
constexpr int maxRenderDpi = 2400;

QString tr(const char *text)
{
    return QCoreApplication::translate("fpdtool", text);
}

void printError(const QString &text)
{
    const QByteArray bytes = QStringLiteral("fpdtool: %1\n").arg(text).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int usage()
{
    const QByteArray text = tr("Uso: fpdtool export FILE.fpd OUT [--percent N] [--trim]\n"
                               "     fpdtool render FILE.fpd OUT.png [--dpi N]\n")
                                .toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    return 1;
}

bool openPlan(const QString &path, CDomoraDoc &doc)
{
    const model::FileError error = doc.OnOpenDocument(path);
    if (!error.isError())
        return true;
    printError(QStringLiteral("'%1': %2: %3")
                   .arg(path, model::causeText(static_cast<int>(error.cause)), error.message));
    return false;
}

// The number after an option, within its range.
bool optionValue(const QStringList &args, qsizetype &i, int low, int high, int &value)
{
    bool ok = false;
    value = i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
    if (!ok || value < low || value > high) {
        printError(
            tr("%1 vuole un numero intero compreso tra %2 e %3.").arg(args[i]).arg(low).arg(high));
        return false;
    }
    ++i;
    return true;
}

int exportPlan(const QStringList &args)
{
    if (args.size() < 3)
        return usage();
    int percent = 100;
    bool trim = false;
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--percent")) {
            if (!optionValue(args, i, 1, 100, percent))
                return 1;
        } else if (args[i] == QLatin1String("--trim")) {
            trim = true;
        } else {
            return usage();
        }
    }
    CDomoraDoc doc;
    if (!openPlan(args[1], doc))
        return 1;
    const platform::Registry settings(QStringLiteral("Domora"));
    const int dpi = settings.readInt(QStringLiteral("Layout"), QStringLiteral("ImageDPI"), 300);
    const model::ExportResult result =
        model::exportDocument(doc, args[2], percent, trim, dpi > 0 ? dpi : 300);
    if (!result.ok) {
        printError(QStringLiteral("'%1': %2").arg(args[2], result.error));
        return 1;
    }
    return 0;
}

int renderPlan(const QStringList &args)
{
    if (args.size() < 3)
        return usage();
    int dpi = defaultRenderDpi;
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--dpi")) {
            if (!optionValue(args, i, 1, maxRenderDpi, dpi))
                return 1;
        } else {
            return usage();
        }
    }
    CDomoraDoc doc;
    if (!openPlan(args[1], doc))
        return 1;
    const QImage image = model::renderSheetImage(doc, dpi, graphics::exportQualityPreset);
    if (image.isNull()) {
        printError(tr("'%1': il foglio di %2 x %3 mm a %4 dpi darebbe un'immagine troppo grande.")
                       .arg(args[1])
                       .arg(doc.paperSize().cx)
                       .arg(doc.paperSize().cy)
                       .arg(dpi));
        return 1;
    }
    QSaveFile file(args[2]);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
        const QString why =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        printError(QStringLiteral("'%1': %2").arg(args[2], why));
        return 1;
    }
    return 0;
}

} // namespace

bool isImageCommand(const char *command)
{
    return command && (std::strcmp(command, "export") == 0 || std::strcmp(command, "render") == 0);
}

int runImageCommand(int argc, char **argv)
{
    // Fonts need a graphical application; no display is needed or used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("export"))
        return exportPlan(args);
    if (args.value(0) == QLatin1String("render"))
        return renderPlan(args);
    return usage();
}

} // namespace fpdtool
