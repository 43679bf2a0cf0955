#include "editor/planclipboard.h"

#include "model/clipboardformat.h"
#include "model/archiveexception.h"
#include "model/cdrawitem.h"
#include "model/cdrawobj.h"
#include "model/cdrawoleobj.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QImage>
#include <QMimeData>

#include <algorithm>

namespace planclipboard {

namespace {
constexpr quint32 descriptorMagic = 0x444D4F44; // "DOMD"
} // namespace

QString nativeFormat()
{
    return model::drawFileMimeType();
}

QString descriptorFormat()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QLatin1String(model::objectDescriptorFormatName));
}

QByteArray encodeObjects(const std::vector<const CDrawObj *> &objects)
{
    return model::writeObjectList(objects);
}

std::vector<std::unique_ptr<CDrawObj>> decodeObjects(const QByteArray &bytes, QString *error)
{
    try {
        return model::readObjectList(bytes);
    } catch (const model::ArchiveException &e) {
        if (error)
            *error = e.message();
    }
    return {};
}

QByteArray encodeDescriptor(const Descriptor &d)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << descriptorMagic << qint32(d.boundsMm.left) << qint32(d.boundsMm.top)
        << qint32(d.boundsMm.right) << qint32(d.boundsMm.bottom) << qint32(d.grabMm.x)
        << qint32(d.grabMm.y);
    return bytes;
}

std::optional<Descriptor> decodeDescriptor(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 magic = 0;
    qint32 v[6] = {};
    in >> magic;
    for (qint32 &x : v)
        in >> x;
    if (in.status() != QDataStream::Ok || magic != descriptorMagic)
        return std::nullopt;
    return Descriptor{{v[0], v[1], v[2], v[3]}, {v[4], v[5]}};
}

geokit::Rect boundsOf(const std::vector<const CDrawObj *> &objects)
{
    geokit::Rect bounds;
    bool first = true;
    for (const CDrawObj *object : objects) {
        geokit::Rect r = object->position();
        r.normalize();
        if (first) {
            bounds = r;
            first = false;
            continue;
        }
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}

bool canPaste(const QMimeData *data)
{
    return data && (data->hasFormat(nativeFormat()) || data->hasImage() || data->hasText());
}

std::unique_ptr<CDrawObj> dataItemFrom(const QMimeData *data, geokit::Point topLeftMm,
                                       geokit::Size sheetMm)
{
    if (!data)
        return nullptr;
    std::unique_ptr<CDrawItem> item;
    geokit::Size sizeMm;
    if (data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (image.isNull())
            return nullptr;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        item = std::make_unique<CDrawItem>(
            QCoreApplication::translate("planclipboard", "Immagine incollata"),
            QStringLiteral("image/png"), png);
        // 96 pixels per inch: 25.4 / 96 mm a pixel.
        sizeMm = {std::max(1, static_cast<int>(image.width() * 25.4 / 96.0)),
                  std::max(1, static_cast<int>(image.height() * 25.4 / 96.0))};
    } else if (data->hasText() && !data->text().isEmpty()) {
        item = std::make_unique<CDrawItem>(
            QCoreApplication::translate("planclipboard", "Testo incollato"),
            QStringLiteral("text/plain;charset=utf-8"), data->text().toUtf8());
        sizeMm = {60, 30};
    } else {
        return nullptr;
    }
    const int room = std::max(1, sheetMm.cx - topLeftMm.x);
    const int roomY = std::max(1, sheetMm.cy - topLeftMm.y);
    if (sizeMm.cx > room || sizeMm.cy > roomY) {
        const double f = std::min(double(room) / sizeMm.cx, double(roomY) / sizeMm.cy);
        sizeMm = {std::max(1, int(sizeMm.cx * f)), std::max(1, int(sizeMm.cy * f))};
    }
    auto object = std::make_unique<CDrawOleObj>(
        geokit::Rect(topLeftMm.x, topLeftMm.y, topLeftMm.x + sizeMm.cx, topLeftMm.y + sizeMm.cy),
        std::move(item));
    object->setExtent(sizeMm);
    return object;
}

} // namespace planclipboard
