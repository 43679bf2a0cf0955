#include "tools/fpdtool/planjson.h"

#include "model/archive.h"
#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"
#include "model/tests/sampleplan.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray archiveOf(const CDomoraDoc &doc)
{
    model::ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.takeData();
}

struct ToolRun
{
    int exitCode;
    QByteArray out;
    QString err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(FPDTOOL_EXE), args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(PlanJson, EveryClassRoundTripsThroughJson)
{
    const auto doc = model::samples::everyClassPlan();
    const QJsonObject json = fpdtool::planToJson(*doc);
    CDomoraDoc copy;
    QString error;
    ASSERT_TRUE(fpdtool::planFromJson(json, copy, error)) << error.toStdString();
    EXPECT_EQ(archiveOf(copy), archiveOf(*doc));
    EXPECT_EQ(fpdtool::planToJson(copy), json);

    const QJsonObject room = json["document"]["objects"][0].toObject();
    EXPECT_EQ(room["class"].toString(), QStringLiteral("CDrawPoly"));
    EXPECT_EQ(room["fill"]["textureScale"].toDouble(), 0.2); // 0.2f in its shortest form
    EXPECT_EQ(room["segmentStyles"][0]["openings"][0]["angle"].toInt(), 180);
    EXPECT_EQ(room["extra4"].toInt(), 1);
    EXPECT_EQ(json["document"]["paperColor"].toDouble(), double(0x00F0E0D0));
}

TEST(PlanJson, MistakesNameTheField)
{
    const auto doc = model::samples::everyClassPlan();
    const QJsonObject good = fpdtool::planToJson(*doc);
    const auto refused = [](const QJsonObject &json) {
        CDomoraDoc d;
        QString error;
        EXPECT_FALSE(fpdtool::planFromJson(json, d, error));
        EXPECT_TRUE(d.objects().empty());
        return error;
    };

    QJsonObject badClass = good;
    QJsonObject document = badClass["document"].toObject();
    QJsonArray objects = document["objects"].toArray();
    QJsonObject first = objects[0].toObject();
    first["class"] = QStringLiteral("CDrawItem");
    objects[0] = first;
    document["objects"] = objects;
    badClass["document"] = document;
    EXPECT_TRUE(refused(badClass).contains(QStringLiteral(".document.objects[0].class")));

    first = good["document"]["objects"][0].toObject();
    QJsonArray segments = first["segmentStyles"].toArray();
    QJsonObject segment = segments[0].toObject();
    segment["width"] = QStringLiteral("largo");
    segments[0] = segment;
    first["segmentStyles"] = segments;
    objects[0] = first;
    document["objects"] = objects;
    QJsonObject badWidth = good;
    badWidth["document"] = document;
    EXPECT_TRUE(refused(badWidth).contains(QStringLiteral("segmentStyles[0].width")));

    QJsonObject badKind = good;
    document = good["document"].toObject();
    document["docType"] = 7;
    badKind["document"] = document;
    EXPECT_TRUE(refused(badKind).contains(QStringLiteral("docType")));

    EXPECT_FALSE(refused(QJsonObject()).isEmpty());
}

TEST(FpdTool, DumpBuildAndInfo)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("casa.fpd"));
    const auto doc = model::samples::everyClassPlan();
    ASSERT_FALSE(doc->OnSaveDocument(plan).isError());

    const ToolRun dumped = runTool({QStringLiteral("dump"), plan});
    ASSERT_EQ(dumped.exitCode, 0) << dumped.err.toStdString();
    CDomoraDoc opened;
    ASSERT_FALSE(opened.OnOpenDocument(plan).isError());
    EXPECT_EQ(QJsonDocument::fromJson(dumped.out).object(), fpdtool::planToJson(opened));

    const QString json = dir.filePath(QStringLiteral("casa.json"));
    writeFile(json, dumped.out);
    const QString rebuilt = dir.filePath(QStringLiteral("copia.fpd"));
    const ToolRun built = runTool({QStringLiteral("build"), json, rebuilt});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    EXPECT_EQ(runTool({QStringLiteral("dump"), rebuilt}).out, dumped.out);

    const ToolRun info = runTool({QStringLiteral("info"), plan});
    ASSERT_EQ(info.exitCode, 0);
    const QString text = QString::fromUtf8(info.out);
    EXPECT_TRUE(text.contains(QStringLiteral("Tipo: Cartello (1)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Foglio: 297 x 210 mm")));
    EXPECT_TRUE(text.contains(QStringLiteral("Scala: 0.25")));
    EXPECT_TRUE(text.contains(QStringLiteral("Oggetti: 12")));
    EXPECT_TRUE(text.contains(QStringLiteral("CDrawRect: 7")));
}

TEST(FpdTool, ErrorsGoToStderrWithTheCauseText)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("nota.fpd"));
    writeFile(text, "non è un documento");
    const ToolRun notPlan = runTool({QStringLiteral("dump"), text});
    EXPECT_EQ(notPlan.exitCode, 1);
    EXPECT_TRUE(notPlan.out.isEmpty());
    EXPECT_TRUE(notPlan.err.contains(QStringLiteral("file non valido")))
        << notPlan.err.toStdString();

    const ToolRun missing =
        runTool({QStringLiteral("info"), dir.filePath(QStringLiteral("no.fpd"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("file non trovato")));

    const QString json = dir.filePath(QStringLiteral("rotto.json"));
    writeFile(json, "{\"document\": {\"scale\": -1}}");
    const ToolRun badJson =
        runTool({QStringLiteral("build"), json, dir.filePath(QStringLiteral("out.fpd"))});
    EXPECT_EQ(badJson.exitCode, 1);
    EXPECT_TRUE(badJson.err.contains(QStringLiteral("scale")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.fpd"))));

    EXPECT_EQ(runTool({QStringLiteral("frobnicate")}).exitCode, 1);
}
