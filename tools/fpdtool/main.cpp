// fpdtool: plans for scripts. dump prints a plan as JSON, build writes a plan
// from such JSON, info summarises a plan.
#include "tools/fpdtool/imagecommands.h"
#include "tools/fpdtool/planjson.h"

#include "model/archiveexception.h"
#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"
#include "model/errorreport.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <map>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("fpdtool", text);
}

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// The cause text of the load and save report, then what went wrong.
int fail(const QString &path, const model::FileError &error)
{
    print(stderr, QStringLiteral("fpdtool: '%1': %2: %3\n")
                      .arg(path, model::causeText(static_cast<int>(error.cause)), error.message));
    return 1;
}

int usage()
{
    print(stderr, tr("Uso: fpdtool dump FILE.fpd\n"
                     "     fpdtool build FILE.json OUT.fpd\n"
                     "     fpdtool info FILE.fpd\n"
                     "     fpdtool export FILE.fpd OUT [--percent N] [--trim]\n"
                     "     fpdtool render FILE.fpd OUT.png [--dpi N]\n"));
    return 1;
}

int dump(const QString &path)
{
    CDomoraDoc doc;
    if (const model::FileError error = doc.OnOpenDocument(path); error.isError())
        return fail(path, error);
    print(stdout, QString::fromUtf8(
                      QJsonDocument(fpdtool::planToJson(doc)).toJson(QJsonDocument::Indented)));
    return 0;
}

int build(const QString &jsonPath, const QString &outPath)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        const int os = file.error() == QFileDevice::OpenError ? ENOENT : EIO;
        return fail(jsonPath, {model::causeFromErrno(os), os, file.errorString()});
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!json.isObject())
        return fail(jsonPath, {model::FileErrorCause::InvalidFile, 0,
                               parseError.error != QJsonParseError::NoError
                                   ? tr("JSON non valido (carattere %1): %2")
                                         .arg(parseError.offset)
                                         .arg(parseError.errorString())
                                   : tr("il file JSON non contiene un oggetto.")});
    CDomoraDoc doc;
    QString error;
    if (!fpdtool::planFromJson(json.object(), doc, error))
        return fail(jsonPath, {model::FileErrorCause::InvalidFile, 0, error});
    QByteArray bytes;
    try {
        bytes = doc.fileBytes();
    } catch (const model::ArchiveException &e) {
        return fail(outPath, model::toFileError(e));
    }
    if (const model::FileError saved = model::safeSave(outPath, bytes); saved.isError())
        return fail(outPath, saved);
    return 0;
}

QString kindName(qint32 docType)
{
    switch (docType) {
    case CDomoraDoc::placard:
        return tr("Cartello");
    case CDomoraDoc::printnet:
        return tr("Printnet");
    default:
        return tr("Normale");
    }
}

int info(const QString &path)
{
    CDomoraDoc doc;
    if (const model::FileError error = doc.OnOpenDocument(path); error.isError())
        return fail(path, error);
    std::map<QString, int> counts;
    for (const auto &o : doc.objects())
        ++counts[QLatin1String(o->className())];
    QString out;
    out += tr("Tipo: %1 (%2)\n").arg(kindName(doc.GetDocType())).arg(doc.GetDocType());
    out += tr("Foglio: %1 x %2 mm\n").arg(doc.paperSize().cx).arg(doc.paperSize().cy);
    out += tr("Margini: sinistro %1, destro %2, superiore %3, inferiore %4 mm\n")
               .arg(doc.borderLeft())
               .arg(doc.borderRight())
               .arg(doc.borderTop())
               .arg(doc.borderBottom());
    out += tr("Scala: %1 m per mm del foglio\n").arg(doc.scale());
    out += tr("Oggetti: %1\n").arg(doc.objects().size());
    for (const auto &[name, count] : counts)
        out += QStringLiteral("  %1: %2\n").arg(name).arg(count);
    print(stdout, out);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && fpdtool::isImageCommand(argv[1]))
        return fpdtool::runImageCommand(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dump(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("build"))
        return build(args[1], args[2]);
    if (args.size() == 2 && args[0] == QLatin1String("info"))
        return info(args[1]);
    return usage();
}
