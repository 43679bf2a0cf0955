#pragma once

#include "model/persistent.h"

#include <QByteArray>
#include <QString>

class CDrawOleObj;

// An embedded data item: bytes of some MIME type with a display name. Drawn
// as a picture when the bytes decode as one, else as an icon with the name;
// opened with the desktop's application for its type.
//
// Archive data: name string, MIME type string, storage number DWORD. A
// number of 0 means the bytes follow inline (DWORD length, the bytes); any
// other number names the item's storage in the compound file.
class CDrawItem : public model::Persistent
{
public:
    CDrawItem() = default;
    CDrawItem(QString name, QString mimeType, QByteArray data);

    [[nodiscard]] const char *className() const override { return "CDrawItem"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    [[nodiscard]] const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    [[nodiscard]] const QString &mimeType() const { return m_mimeType; }
    [[nodiscard]] const QByteArray &data() const { return m_data; }
    void setData(const QString &mimeType, const QByteArray &data);
    // A blank item holds no data and is not listed among the document's items.
    [[nodiscard]] bool isBlank() const { return m_data.isEmpty(); }

    // The wrapper that shows this item; set by the wrapper.
    [[nodiscard]] CDrawOleObj *owner() const { return m_owner; }
    void setOwner(CDrawOleObj *owner) { m_owner = owner; }

private:
    QString m_name;
    QString m_mimeType;
    QByteArray m_data;
    CDrawOleObj *m_owner = nullptr; // not owned
};
