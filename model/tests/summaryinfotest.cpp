#include "model/compound.h"
#include "model/summaryinfo.h"

#include "compoundtestutil.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtEndian>

#include <gtest/gtest.h>

using model::FileErrorCause;
using model::SummaryInformation;

namespace {

SummaryInformation sampleSummary()
{
    SummaryInformation info;
    info.title = QStringLiteral("Appartamento");
    info.subject = QStringLiteral("Via Roma 12, Città");
    info.author = QStringLiteral("Agenzia Bellavista");
    info.keywords = QStringLiteral("trilocale; terrazzo");
    info.comments = QStringLiteral("Prezzo trattabile: 250.000 €");
    info.templateName = QStringLiteral("Rif. 42");
    info.lastAuthor = QStringLiteral("Lucia");
    info.revisionNumber = QStringLiteral("7");
    info.editingTimeMs = 95 * 60 * 1000 + 123;
    info.created = QDateTime(QDate(2003, 5, 17), QTime(9, 30, 15, 250), QTimeZone::utc());
    info.lastSaved = QDateTime(QDate(2024, 1, 2), QTime(18, 0), QTimeZone::utc());
    info.pageCount = 1;
    info.wordCount = 12;
    info.charCount = 345;
    info.applicationName = QStringLiteral("Domora");
    info.extraCount = 3;
    return info;
}

SummaryInformation readBack(const QByteArray &bytes)
{
    SummaryInformation info;
    model::FileError error;
    EXPECT_TRUE(model::readSummaryInformation(bytes, info, &error)) << error.message.toStdString();
    return info;
}

} // namespace

TEST(SummaryInformationRoundTrip, EveryPropertyComesBack)
{
    const SummaryInformation info = sampleSummary();
    EXPECT_EQ(readBack(model::writeSummaryInformation(info)), info);
}

TEST(SummaryInformationRoundTrip, EmptySummaryStaysEmpty)
{
    EXPECT_EQ(readBack(model::writeSummaryInformation({})), SummaryInformation{});
}

TEST(SummaryInformationRoundTrip, TextOutsideTheCodePageBecomesQuestionMarks)
{
    SummaryInformation info;
    info.title = QStringLiteral("Casa \u4E2D \u00E8");
    EXPECT_EQ(readBack(model::writeSummaryInformation(info)).title, QStringLiteral("Casa ? è"));
}

TEST(SummaryInformationLayout, HeaderFormatIdAndCodePage)
{
    const QByteArray bytes = model::writeSummaryInformation(sampleSummary());
    EXPECT_EQ(bytes.left(4), QByteArray("\xFE\xFF\x00\x00", 4));
    EXPECT_EQ(bytes.mid(28, 16).toHex(), QByteArray("e0859ff2f94f6810ab9108002b27b3d9"));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 44), 48u);
    // The first property is the code page: id 1, VT_I2, 1252.
    const quint32 firstOffset = qFromLittleEndian<quint32>(bytes.constData() + 48 + 12);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 48 + 8), 1u);
    EXPECT_EQ(bytes.mid(48 + firstOffset, 6), QByteArray("\x02\x00\x00\x00\xE4\x04", 6));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 48), quint32(bytes.size() - 48));
    // The 8-bit text is there as it is: "Citt\xE0".
    EXPECT_TRUE(bytes.contains("Via Roma 12, Citt\xE0"));
}

TEST(SummaryInformationDamaged, NotAPropertySetOrAnotherSetIsRefused)
{
    SummaryInformation info;
    model::FileError error;
    EXPECT_FALSE(model::readSummaryInformation({}, info, &error));
    EXPECT_EQ(error.cause, FileErrorCause::InvalidFile);
    EXPECT_FALSE(model::readSummaryInformation(QByteArray(100, 'x'), info, &error));
    EXPECT_EQ(error.cause, FileErrorCause::InvalidFile);

    QByteArray other = model::writeSummaryInformation(sampleSummary());
    other[28] = 'X'; // another format id
    EXPECT_FALSE(model::readSummaryInformation(other, info, &error));
    EXPECT_EQ(error.cause, FileErrorCause::InvalidFile);
}

TEST(SummaryInformationDamaged, CountsAndOffsetsPastTheEndAreChecked)
{
    const QByteArray good = model::writeSummaryInformation(sampleSummary());
    SummaryInformation info;
    model::FileError error;

    QByteArray manyProperties = good;
    qToLittleEndian<quint32>(0x10000000, manyProperties.data() + 48 + 4);
    EXPECT_FALSE(model::readSummaryInformation(manyProperties, info, &error));
    EXPECT_EQ(error.cause, FileErrorCause::EndOfFile);

    QByteArray manySections = good;
    qToLittleEndian<quint32>(0x10000000, manySections.data() + 24);
    EXPECT_FALSE(model::readSummaryInformation(manySections, info, &error));
    EXPECT_EQ(error.cause, FileErrorCause::EndOfFile);

    // A text whose length runs past the end is skipped; the rest is read.
    QByteArray longText = good;
    const quint32 titleOffset = qFromLittleEndian<quint32>(good.constData() + 48 + 8 + 8 + 4);
    qToLittleEndian<quint32>(0x7FFFFFFF, longText.data() + 48 + titleOffset + 4);
    ASSERT_TRUE(model::readSummaryInformation(longText, info, &error));
    EXPECT_TRUE(info.title.isEmpty());
    EXPECT_EQ(info.author, sampleSummary().author);

    // Cut anywhere: refused or read in part, never past the end.
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        (void)model::readSummaryInformation(good.left(cut), info, nullptr);
}

// The file a plan is saved as, read by another implementation of the format.
TEST(SummaryInformationInterop, OlefileReadsTheStreamsAndTheMetadata)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("casa.fpd"));
    model::CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), QByteArray(6000, 'c')));
    ASSERT_TRUE(file.setStream(model::summaryStreamName(),
                               model::writeSummaryInformation(sampleSummary())));
    ASSERT_TRUE(file.saveFile(path));

    const QString script = QStringLiteral(R"(
import json, sys, olefile
ole = olefile.OleFileIO(sys.argv[1])
m = ole.get_metadata()
text = lambda b: b.decode("cp1252") if b is not None else None
print(json.dumps({
    "streams": sorted("/".join(p) for p in ole.listdir()),
    "contents": len(ole.openstream("Contents").read()),
    "codepage": m.codepage,
    "title": text(m.title), "subject": text(m.subject), "author": text(m.author),
    "keywords": text(m.keywords), "comments": text(m.comments),
    "template": text(m.template), "last_saved_by": text(m.last_saved_by),
    "revision_number": text(m.revision_number),
    "creating_application": text(m.creating_application),
    "create_time": m.create_time.isoformat(), "last_saved_time": m.last_saved_time.isoformat(),
    "total_edit_time": m.total_edit_time,
    "num_pages": m.num_pages, "num_words": m.num_words, "num_chars": m.num_chars,
}))
)");
    const QByteArray output = runDebianPython(script, {path});
    const QJsonObject r = QJsonDocument::fromJson(output).object();
    ASSERT_FALSE(r.isEmpty()) << output.toStdString();
    const SummaryInformation info = sampleSummary();
    EXPECT_EQ(r["streams"].toVariant().toStringList(),
              (QStringList{"\005SummaryInformation", "Contents"}));
    EXPECT_EQ(r["contents"].toInt(), 6000);
    EXPECT_EQ(r["codepage"].toInt(), 1252);
    EXPECT_EQ(r["title"].toString(), info.title);
    EXPECT_EQ(r["subject"].toString(), info.subject);
    EXPECT_EQ(r["author"].toString(), info.author);
    EXPECT_EQ(r["keywords"].toString(), info.keywords);
    EXPECT_EQ(r["comments"].toString(), info.comments);
    EXPECT_EQ(r["template"].toString(), info.templateName);
    EXPECT_EQ(r["last_saved_by"].toString(), info.lastAuthor);
    EXPECT_EQ(r["revision_number"].toString(), info.revisionNumber);
    EXPECT_EQ(r["creating_application"].toString(), info.applicationName);
    EXPECT_EQ(r["create_time"].toString(), QStringLiteral("2003-05-17T09:30:15.250000"));
    EXPECT_EQ(r["last_saved_time"].toString(), QStringLiteral("2024-01-02T18:00:00"));
    EXPECT_EQ(r["total_edit_time"].toInt(), info.editingTimeMs / 1000); // olefile gives seconds
    EXPECT_EQ(r["num_pages"].toInt(), 1);
    EXPECT_EQ(r["num_words"].toInt(), 12);
    EXPECT_EQ(r["num_chars"].toInt(), 345);
}
