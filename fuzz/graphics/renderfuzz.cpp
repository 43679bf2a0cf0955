#include "graphics/context.h"
#include "graphics/recording.h"
#include "model/archive.h"
#include "model/archiveexception.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/renderdocument.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

// Fonts need an application object; it lives as long as the process. The
// system's font matcher keeps what it allocates for every face it is asked
// for, which the leak checker would blame on the input that named the face,
// so leaks are not checked here (the archive reader's own target checks them).
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static std::vector<char *> args(*argv, *argv + *argc);
    static char noLeaks[] = "-detect_leaks=0";
    args.insert(args.begin() + 1, noLeaks);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

// The bytes are a document archive; whatever it reads as is drawn on a small
// picture of the whole sheet, with selection marks and into a recording.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    CDomoraDoc doc;
    try {
        model::ArchiveReader ar(bytes);
        doc.Serialize(ar);
    } catch (const model::ArchiveException &) {
        return 0;
    }
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        const geokit::Size sheet = doc.paperSize();
        const int side = std::max({sheet.cx, sheet.cy, 1});
        painter.scale(64.0 / side, 64.0 / side);
        model::renderSheet(painter, doc, 5, model::DrawPurpose::Screen);
    }
    graphics::Recording recording;
    graphics::Context context(recording);
    model::drawDocument(context, doc, nullptr, false, 3);
    for (const auto &object : doc.objects()) {
        object->DrawTracker(context, 1);
        if (auto *room = dynamic_cast<CDrawPoly *>(object.get()))
            room->DrawOpenings(context);
    }
    return 0;
}
