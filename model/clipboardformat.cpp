#include "clipboardformat.h"

#include "model/archive.h"
#include "model/cdrawobj.h"

#include <QCoreApplication>

namespace model {

QString drawFileMimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QLatin1String(drawFileFormatName));
}

QByteArray writeObjectList(const std::vector<const CDrawObj *> &objects)
{
    ArchiveWriter ar;
    ar.writeCount(static_cast<quint32>(objects.size()));
    for (const CDrawObj *object : objects)
        ar.writeObject(object);
    return ar.takeData();
}

std::vector<std::unique_ptr<CDrawObj>> readObjectList(const QByteArray &bytes)
{
    ArchiveReader ar(bytes);
    const quint32 count = ar.readCount();
    ar.requireItems(count, 2, QT_TRANSLATE_NOOP("Archive", "oggetti"));
    std::vector<std::unique_ptr<CDrawObj>> objects;
    objects.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        auto object = ar.readOwned<CDrawObj>();
        if (!object)
            throw ArchiveException(
                ArchiveException::Kind::BadValue,
                QCoreApplication::translate("Archive", "Gli appunti contengono un oggetto vuoto."));
        objects.push_back(std::move(object));
    }
    return objects;
}

} // namespace model
