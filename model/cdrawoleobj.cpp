#include "cdrawoleobj.h"

#include "model/archive.h"
#include "model/cdrawitem.h"
#include "model/modelhooks.h"
#include "platform/process.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>

CDrawOleObj::CDrawOleObj() = default;

CDrawOleObj::CDrawOleObj(const geokit::Rect &position, std::unique_ptr<CDrawItem> item)
    : CDrawObj(position)
{
    m_extent = m_position.size();
    setItem(std::move(item));
}

CDrawOleObj::CDrawOleObj(const CDrawOleObj &other) : CDrawObj(other), m_extent(other.m_extent)
{
    if (other.m_item)
        setItem(std::make_unique<CDrawItem>(other.m_item->name(), other.m_item->mimeType(),
                                            other.m_item->data()));
}

CDrawOleObj::~CDrawOleObj() = default;

void CDrawOleObj::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    ar.writeInt(m_extent.cx);
    ar.writeInt(m_extent.cy);
    ar.writeObject(m_item.get());
}

void CDrawOleObj::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_extent.cx = ar.readInt();
    m_extent.cy = ar.readInt();
    setItem(ar.readOwned<CDrawItem>());
}

void CDrawOleObj::OnOpen(model::DocumentView *)
{
    Activate();
}

std::unique_ptr<CDrawObj> CDrawOleObj::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawOleObj>(new CDrawOleObj(*this));
    if (offset)
        copy->m_position.offset(5, 5);
    return copy;
}

bool CDrawOleObj::Activate()
{
    if (!m_item || m_item->isBlank())
        return false;
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                               .filePath(QStringLiteral("domora-oggetti"));
    if (!QDir().mkpath(folder))
        return false;
    QString base = m_item->name().trimmed();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QStringLiteral("oggetto"));
    const QString suffix = QMimeDatabase().mimeTypeForName(m_item->mimeType()).preferredSuffix();
    if (!suffix.isEmpty() && !base.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        base += QLatin1Char('.') + suffix;
    QFile file(QDir(folder).filePath(base));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write(m_item->data()) != m_item->data().size() || !file.flush())
        return false;
    file.close();
    return platform::openWithDefaultApp(file.fileName());
}

void CDrawOleObj::EditOleProperties(model::DocumentView *view)
{
    model::editProperties(*this, view);
}

void CDrawOleObj::setItem(std::unique_ptr<CDrawItem> item)
{
    m_item = std::move(item);
    if (m_item)
        m_item->setOwner(this);
}
