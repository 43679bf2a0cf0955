// The sample plans as a user gets them: each one opens with the kind, sheet
// and objects of its source, renders with its rooms and library furniture
// where the source puts them, and exports as a picture.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

const QString programDir = QStringLiteral(DOMORA_PROGRAM_DIR);
const QString samplesDir = QStringLiteral(DOMORA_SOURCE_DIR "/data/samples");

struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the plan tool from the program folder, as the editor runs: library
// pictures are named relative to it.
ToolRun fpdtool(const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(programDir);
    p.start(QStringLiteral(FPDTOOL), args);
    ToolRun r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QJsonObject readJson(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QStringList sampleNames()
{
    QStringList names;
    for (QString file : QDir(samplesDir).entryList({QStringLiteral("*.json")}, QDir::Files)) {
        file.chop(5);
        names << file;
    }
    return names;
}

QString plan(const QString &name)
{
    return programDir + QStringLiteral("/Esempi/") + name + QStringLiteral(".fpd");
}

TEST(SamplePlans, TheFiveSamplesAreThere)
{
    const QStringList names = sampleNames();
    for (const char *name : {"Monolocale", "Bilocale arredato", "Trilocale con balcone", "Cartello",
                             "Pagina Printnet"}) {
        EXPECT_TRUE(names.contains(QString::fromUtf8(name))) << name;
        EXPECT_TRUE(QFile::exists(plan(QString::fromUtf8(name)))) << name;
    }
}

TEST(SamplePlans, EveryPlanOpensWithTheSheetAndObjectsOfItsSource)
{
    for (const QString &name : sampleNames()) {
        const ToolRun dump = fpdtool({QStringLiteral("dump"), plan(name)});
        ASSERT_EQ(dump.exitCode, 0) << name.toStdString() << ": " << dump.err.toStdString();
        const QJsonObject opened =
            QJsonDocument::fromJson(dump.out).object().value(QStringLiteral("document")).toObject();
        const QJsonObject source = readJson(samplesDir + u'/' + name + QStringLiteral(".json"))
                                       .value(QStringLiteral("document"))
                                       .toObject();
        ASSERT_FALSE(opened.isEmpty()) << name.toStdString();
        for (const char *key : {"docType", "paperSize", "borderLeft", "borderTop", "scale"})
            EXPECT_EQ(opened.value(QLatin1String(key)), source.value(QLatin1String(key)))
                << name.toStdString() << " " << key;
        const QJsonArray a = opened.value(QStringLiteral("objects")).toArray();
        const QJsonArray b = source.value(QStringLiteral("objects")).toArray();
        ASSERT_EQ(a.size(), b.size()) << name.toStdString();
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QJsonObject x = a[i].toObject();
            const QJsonObject y = b[i].toObject();
            EXPECT_EQ(x.value(QStringLiteral("class")), y.value(QStringLiteral("class")));
            EXPECT_EQ(x.value(QStringLiteral("position")), y.value(QStringLiteral("position")))
                << name.toStdString() << " oggetto " << i;
        }
    }
}

// Whether the plan tool has the command (it prints its usage and fails
// when it does not).
bool toolKnows(const char *command)
{
    const ToolRun r = fpdtool({});
    return r.err.contains(QByteArray("fpdtool ") + command) ||
           r.out.contains(QByteArray("fpdtool ") + command);
}

// A point of a plan in real metres, where the render must show `rgb`.
struct Probe
{
    const char *plan;
    double xMetres;
    double yMetres;
    QRgb rgb;
    int tolerance;
    const char *what;
};

// Sheet position of a real point: each plan's origin and scale, as
// scripts/make-samples places it.
QPointF sheetMm(const QJsonObject &document, const char *planName, double x, double y)
{
    struct Origin
    {
        const char *plan;
        double x, y;
    };
    static const Origin origins[] = {{"Monolocale", 42, 70},
                                     {"Bilocale arredato", 30, 66},
                                     {"Trilocale con balcone", 15, 62},
                                     {"Cartello", 169, 22},
                                     {"Pagina Printnet", 12, 18}};
    const double scale = document.value(QStringLiteral("scale")).toDouble();
    for (const Origin &o : origins) {
        if (qstrcmp(o.plan, planName) == 0)
            return {o.x + x / scale, o.y + y / scale};
    }
    return {};
}

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(SamplePlans, RenderingShowsRoomsWallsAndLibraryFurnitureWhereTheSourcePutsThem)
{
    static const Probe probes[] = {
        {"Bilocale arredato", 5.4, 5.6, qRgb(0xC3, 0xC3, 0xC2), 6, "pavimento del disimpegno"},
        {"Cartello", 3.3, 1.6, qRgb(0xFF, 0xFB, 0x9D), 6, "pavimento del soggiorno"},
        {"Pagina Printnet", 3.9, 1.0, qRgb(0xB5, 0xDE, 0xF8), 6, "pavimento del bagno"},
        {"Pagina Printnet", 0.5, 0.15, qRgb(0x2A, 0x2A, 0x2A), 12, "muro esterno"},
        {"Trilocale con balcone", 4.5, 0.67, qRgb(0xDC, 0xED, 0xF5), 12, "vasca da bagno"},
        {"Monolocale", 5.35, 0.95, qRgb(0xD6, 0xE1, 0xEC), 12, "piumone del letto"},
    };
    if (!toolKnows("render"))
        GTEST_SKIP() << "fpdtool render non ancora disponibile";
    constexpr int dpi = 200;
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QString rendered;
    QImage image;
    QJsonObject document;
    for (const Probe &probe : probes) {
        const QString name = QString::fromUtf8(probe.plan);
        if (name != rendered) {
            const QString png = tmp.filePath(name + QStringLiteral(".png"));
            const ToolRun r = fpdtool({QStringLiteral("render"), plan(name), png,
                                   QStringLiteral("--dpi"), QString::number(dpi)});
            ASSERT_EQ(r.exitCode, 0) << probe.plan << ": " << r.err.toStdString();
            image = QImage(png);
            ASSERT_FALSE(image.isNull()) << probe.plan;
            document = readJson(samplesDir + u'/' + name + QStringLiteral(".json"))
                           .value(QStringLiteral("document"))
                           .toObject();
            rendered = name;
        }
        const QPointF mm = sheetMm(document, probe.plan, probe.xMetres, probe.yMetres);
        const QPoint px(int(mm.x() * dpi / 25.4), int(mm.y() * dpi / 25.4));
        ASSERT_TRUE(image.rect().contains(px)) << probe.plan << " " << probe.what;
        EXPECT_LE(distance(image.pixel(px), probe.rgb), probe.tolerance)
            << probe.plan << " " << probe.what << ": " << std::hex << image.pixel(px);
    }
}

TEST(SamplePlans, EveryPlanExportsThePhotoSizedPicture)
{
    if (!toolKnows("export"))
        GTEST_SKIP() << "fpdtool export non ancora disponibile";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    for (const QString &name : sampleNames()) {
        const QString jpg = tmp.filePath(name + QStringLiteral(".jpg"));
        const ToolRun r = fpdtool({QStringLiteral("export"), plan(name), jpg});
        ASSERT_EQ(r.exitCode, 0) << name.toStdString() << ": " << r.err.toStdString();
        const QImage image(jpg);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), QSize(567, 378)) << name.toStdString();
    }
}

} // namespace
