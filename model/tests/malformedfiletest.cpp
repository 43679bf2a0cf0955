// The damaged plan files of tests/data: each must be refused with its cause
// and an Italian message, and leave the open document as it was.
#include "model/cdomoradoc.h"
#include "model/cdrawrect.h"
#include "model/errorreport.h"

#include <gtest/gtest.h>

using model::FileErrorCause;

struct MalformedFile
{
    const char *name;
    FileErrorCause cause;
};

class MalformedFileTest : public ::testing::TestWithParam<MalformedFile>
{
};

void PrintTo(const MalformedFile &file, std::ostream *os)
{
    *os << file.name;
}

TEST_P(MalformedFileTest, IsRefusedWithItsCause)
{
    CDomoraDoc doc;
    doc.AddObject(
        std::make_unique<CDrawRect>(geokit::Rect(1, 2, 3, 4), CDrawRect::Shape::Rectangle));
    const QString path = QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(GetParam().name);
    const model::FileError error = doc.OnOpenDocument(path);
    EXPECT_EQ(error.cause, GetParam().cause);
    EXPECT_FALSE(error.message.isEmpty());
    ASSERT_EQ(doc.objects().size(), 1u);
    EXPECT_EQ(doc.objects()[0]->position(), geokit::Rect(1, 2, 3, 4));
    const QString report = model::saveLoadReport(path, error, false, model::failedToOpenDocMessage);
    EXPECT_TRUE(report.contains(model::causeText(static_cast<int>(GetParam().cause))));
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, MalformedFileTest,
    ::testing::Values(MalformedFile{"truncated-header.fpd", FileErrorCause::EndOfFile},
                      MalformedFile{"truncated-first-object.fpd", FileErrorCause::EndOfFile},
                      MalformedFile{"truncated-last-field.fpd", FileErrorCause::EndOfFile},
                      MalformedFile{"unknown-class.fpd", FileErrorCause::InvalidFile},
                      MalformedFile{"schema-one.fpd", FileErrorCause::InvalidFile},
                      MalformedFile{"count-beyond-stream.fpd", FileErrorCause::EndOfFile},
                      MalformedFile{"string-past-end.fpd", FileErrorCause::EndOfFile},
                      MalformedFile{"broken-compound-header.fpd", FileErrorCause::InvalidFile},
                      MalformedFile{"empty.fpd", FileErrorCause::InvalidFile},
                      MalformedFile{"not-a-compound-file.fpd", FileErrorCause::InvalidFile}),
    [](const auto &info) {
        std::string name = info.param.name;
        name = name.substr(0, name.find('.'));
        std::erase(name, '-');
        return name;
    });

TEST(MalformedFile, TheUndamagedOriginalOpens)
{
    CDomoraDoc doc;
    const model::FileError error = doc.OnOpenDocument(QStringLiteral(TEST_DATA_DIR "/good.fpd"));
    EXPECT_FALSE(error.isError()) << error.message.toStdString();
    EXPECT_EQ(doc.objects().size(), 12u);
    EXPECT_EQ(doc.summary().title, QStringLiteral("Trilocale"));
}
