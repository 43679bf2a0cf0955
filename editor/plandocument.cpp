#include "editor/plandocument.h"

#include "model/cdomoradoc.h"

#include <QFileInfo>

PlanDocument::PlanDocument(std::unique_ptr<CDomoraDoc> doc, QString title, QObject *parent)
    : QObject(parent), m_doc(std::move(doc)), m_title(std::move(title))
{
}

PlanDocument::~PlanDocument() = default;

void PlanDocument::setPath(const QString &path)
{
    m_path = path;
    setTitle(QFileInfo(path).fileName());
}

void PlanDocument::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

bool PlanDocument::isModified() const
{
    return m_doc->IsModified();
}

void PlanDocument::setModified(bool modified)
{
    m_doc->SetModifiedFlag(modified);
}
