#include "cdrawitem.h"

#include "model/archive.h"

#include <QCoreApplication>

CDrawItem::CDrawItem(QString name, QString mimeType, QByteArray data)
    : m_name(std::move(name)), m_mimeType(std::move(mimeType)), m_data(std::move(data))
{
}

void CDrawItem::Serialize(model::ArchiveWriter &ar) const
{
    ar.writeString(m_name);
    ar.writeString(m_mimeType);
    if (model::ItemStore *store = ar.itemStore(); store && !m_data.isEmpty()) {
        ar.writeDword(store->storeItem(m_data));
        return;
    }
    ar.writeDword(0);
    ar.writeDword(static_cast<quint32>(m_data.size()));
    ar.writeRaw(m_data.constData(), m_data.size());
}

void CDrawItem::Serialize(model::ArchiveReader &ar)
{
    m_name = ar.readString();
    m_mimeType = ar.readString();
    const quint32 number = ar.readDword();
    if (number != 0) {
        model::ItemStore *store = ar.itemStore();
        if (!store)
            throw model::ArchiveException(
                model::ArchiveException::Kind::BadValue,
                QCoreApplication::translate("Archive",
                                            "Il file rimanda a un oggetto incorporato assente."));
        m_data = store->loadItem(number);
        return;
    }
    const quint32 length = ar.readDword();
    ar.requireItems(length, 1, QT_TRANSLATE_NOOP("Archive", "byte di un oggetto incorporato"));
    m_data.resize(static_cast<qsizetype>(length));
    ar.readRaw(m_data.data(), m_data.size());
}

void CDrawItem::setData(const QString &mimeType, const QByteArray &data)
{
    m_mimeType = mimeType;
    m_data = data;
}
