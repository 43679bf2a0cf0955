// Reading and writing plan files: the compound file around the archive.
#include "cdomoradoc.h"

#include "model/archive.h"
#include "model/cdrawobj.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/compound.h"
#include "model/errorreport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CDomoraDoc", text);
}

QString itemStreamName(quint32 number)
{
    return QStringLiteral("Item %1/Data").arg(number);
}

// Embedded item bytes live in a storage of their own per item.
class CompoundItemStore : public model::ItemStore
{
public:
    explicit CompoundItemStore(model::CompoundFile &file) : m_file(file) {}

    quint32 storeItem(const QByteArray &bytes) override
    {
        const quint32 number = ++m_last;
        if (!m_file.setStream(itemStreamName(number), bytes))
            throw model::ArchiveException(model::ArchiveException::Kind::TooLarge,
                                          m_file.error().message);
        return number;
    }

    QByteArray loadItem(quint32 number) override
    {
        std::optional<QByteArray> bytes = m_file.stream(itemStreamName(number));
        if (!bytes)
            throw model::ArchiveException(
                model::ArchiveException::Kind::BadValue,
                tr("Il file rimanda a un oggetto incorporato assente (%1).").arg(number));
        return std::move(*bytes);
    }

private:
    model::CompoundFile &m_file;
    quint32 m_last = 0;
};

void countWords(const QString &text, qint32 &words, qint32 &chars)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    words += static_cast<qint32>(trimmed.split(spaces, Qt::SkipEmptyParts).size());
    chars += static_cast<qint32>(text.size());
}

QString loginName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name;
}

} // namespace

QString CDomoraDoc::documentTemplate()
{
    return tr(
        "\nDomora\nDocumento Domora\nDocumenti di Domora (*.fpd)\n.fpd\nfpd\nDocumento Domora");
}

QString CDomoraDoc::fileFilter()
{
    return tr("Documenti di Domora (*.fpd)");
}

model::FileError CDomoraDoc::OnOpenDocument(const QString &path)
{
    model::CompoundFile file;
    if (!file.loadFile(path))
        return file.error();
    return loadFrom(file);
}

model::FileError CDomoraDoc::loadFileBytes(const QByteArray &bytes)
{
    model::CompoundFile file;
    if (!file.load(bytes))
        return file.error();
    return loadFrom(file);
}

model::FileError CDomoraDoc::loadFrom(model::CompoundFile &file)
{
    const std::optional<QByteArray> contents = file.stream(QLatin1String(contentsStreamName));
    if (!contents)
        return {model::FileErrorCause::InvalidFile, 0,
                tr("Il file non contiene un documento di Domora.")};
    // A damaged summary does not keep the plan from opening; it starts afresh.
    model::SummaryInformation summary;
    if (const auto stream = file.stream(model::summaryStreamName()))
        (void)model::readSummaryInformation(*stream, summary);
    try {
        CompoundItemStore items(file);
        model::ArchiveReader ar(*contents, &items);
        Serialize(ar);
    } catch (const model::ArchiveException &e) {
        return model::toFileError(e);
    }
    m_summary = std::move(summary);
    m_editClock.start();
    ClearHistory();
    CheckPoint();
    m_modified = false;
    return {};
}

QByteArray CDomoraDoc::fileBytes() const
{
    return fileBytesWith(m_summary);
}

QByteArray CDomoraDoc::fileBytesWith(const model::SummaryInformation &summary) const
{
    model::CompoundFile file;
    CompoundItemStore items(file);
    model::ArchiveWriter ar(&items, std::max(growthBytes, m_archiveSizeHint + growthBytes));
    Serialize(ar);
    m_archiveSizeHint = ar.size();
    if (!file.setStream(QLatin1String(contentsStreamName), ar.takeData()))
        throw model::ArchiveException(model::ArchiveException::Kind::TooLarge,
                                      file.error().message);
    if (!file.setStream(model::summaryStreamName(), model::writeSummaryInformation(summary)))
        throw model::ArchiveException(model::ArchiveException::Kind::TooLarge,
                                      file.error().message);
    return file.toBytes();
}

model::FileError CDomoraDoc::OnSaveDocument(const QString &path)
{
    const model::SummaryInformation saved = summaryForSave();
    QByteArray bytes;
    try {
        bytes = fileBytesWith(saved);
    } catch (const model::ArchiveException &e) {
        return model::toFileError(e);
    }
    model::FileError error = model::safeSave(path, bytes);
    if (error.isError())
        return error;
    m_summary = saved;
    m_editClock.start();
    m_modified = false;
    return {};
}

model::SummaryInformation CDomoraDoc::summaryForSave() const
{
    model::SummaryInformation s = m_summary;
    bool numeric = false;
    const int revision = s.revisionNumber.toInt(&numeric);
    s.revisionNumber = QString::number(numeric ? revision + 1 : 1);
    if (m_editClock.isValid())
        s.editingTimeMs += m_editClock.elapsed();
    s.lastSaved = QDateTime::currentDateTimeUtc();
    const QString user = loginName();
    s.lastAuthor = user.isEmpty() ? s.author : user;
    if (s.applicationName.isEmpty())
        s.applicationName = QStringLiteral("Domora");
    if (!s.created.isValid())
        s.created = s.lastSaved;
    s.pageCount = 1;
    s.wordCount = 0;
    s.charCount = 0;
    for (const auto &object : m_objects) {
        if (object->label().visible)
            countWords(object->label().text, s.wordCount, s.charCount);
        if (const auto *text = dynamic_cast<const CDrawText *>(object.get()))
            countWords(text->text().text, s.wordCount, s.charCount);
        if (const auto *rect = dynamic_cast<const CDrawRect *>(object.get());
            rect && (rect->shape() == CDrawRect::Shape::Note ||
                     rect->shape() == CDrawRect::Shape::DimensionLine))
            countWords(rect->label2().text, s.wordCount, s.charCount);
    }
    return s;
}

void CDomoraDoc::setSummaryTexts(const model::SummaryInformation &edited)
{
    m_summary.author = edited.author;
    m_summary.keywords = edited.keywords;
    m_summary.subject = edited.subject;
    m_summary.comments = edited.comments;
    m_summary.templateName = edited.templateName;
    m_summary.title = edited.title;
    SetModifiedFlag();
}

void CDomoraDoc::recordPrinted()
{
    m_summary.lastPrinted = QDateTime::currentDateTimeUtc();
}
