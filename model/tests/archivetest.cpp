#include "sampleplan.h"

#include "model/archive.h"
#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/clipboardformat.h"
#include "model/recordarchive.h"

#include <gtest/gtest.h>

#include <QImage>

#include <map>

using model::ArchiveException;
using model::ArchiveReader;
using model::ArchiveWriter;
using Kind = model::ArchiveException::Kind;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray word(quint16 v)
{
    return bytes({v & 0xFF, v >> 8});
}

QByteArray dword(quint32 v)
{
    return word(v & 0xFFFF) + word(v >> 16);
}

QByteArray newClassTag(const char *name, quint16 schema = 0)
{
    return word(0xFFFF) + word(schema) + word(static_cast<quint16>(qstrlen(name))) +
           QByteArray(name);
}

QByteArray archiveOf(const CDomoraDoc &doc)
{
    ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.takeData();
}

QByteArray objectData(const model::Persistent &object)
{
    ArchiveWriter ar;
    object.Serialize(ar);
    return ar.takeData();
}

QByteArray stringBytes(const QString &s)
{
    ArchiveWriter ar;
    ar.writeString(s);
    return ar.takeData();
}

// Reads an archive into a fresh document; the kind of the failure, if any.
std::optional<Kind> loadInto(CDomoraDoc &doc, const QByteArray &archive)
{
    try {
        ArchiveReader ar(archive);
        doc.Serialize(ar);
    } catch (const ArchiveException &e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace

TEST(ArchiveBytes, EmptyDocument)
{
    const CDomoraDoc doc;
    const QByteArray expected = dword(0xFFFFFF) + word(0) // paper colour, no objects
                                + dword(12) + dword(12) + dword(12) + dword(12) // margins
                                + dword(210) + dword(297)                       // paper size
                                + bytes({0, 0, 0, 0, 0, 0, 0xE0, 0x3F})         // scale 0.5
                                + dword(8) + dword(0)                           // value, kind
                                + dword(0);                                     // no OLE items
    EXPECT_EQ(archiveOf(doc).toHex(' '), expected.toHex(' '));
}

TEST(ArchiveBytes, StringLengthPrefixes)
{
    EXPECT_EQ(stringBytes(QString()), bytes({0}));
    EXPECT_EQ(stringBytes(QString(254, 'a')).left(1), bytes({0xFE}));
    EXPECT_EQ(stringBytes(QString(255, 'a')).left(3), bytes({0xFF, 0xFF, 0x00}));
    EXPECT_EQ(stringBytes(QString(0xFFFD, 'a')).left(3), bytes({0xFF, 0xFD, 0xFF}));
    EXPECT_EQ(stringBytes(QString(0xFFFE, 'a')).left(7),
              bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    // Windows-1252: the euro sign is one byte, 0x80.
    EXPECT_EQ(stringBytes(QStringLiteral("€ è")), bytes({3, 0x80, 0x20, 0xE8}));
    for (const int length : {0, 254, 255, 0xFFFD, 0xFFFE, 70000}) {
        const QString s(length, QLatin1Char('x'));
        ArchiveReader ar(stringBytes(s));
        EXPECT_EQ(ar.readString(), s) << length;
        EXPECT_TRUE(ar.atEnd());
    }
}

// Short texts are shared while reading; texts of one length that differ
// must still come back each as itself.
TEST(ArchiveBytes, RepeatedShortTextsReadBackEachAsItself)
{
    const QStringList texts = {QStringLiteral("abc"), QStringLiteral("abd"), QStringLiteral("abc"),
                               QStringLiteral("età"), QStringLiteral("abd"), QString(64, 'z'),
                               QString(65, 'z'),      QString(64, 'y')};
    ArchiveWriter ar;
    for (const QString &t : texts)
        ar.writeString(t);
    ArchiveReader reader(ar.takeData());
    for (const QString &t : texts)
        EXPECT_EQ(reader.readString(), t);
    EXPECT_TRUE(reader.atEnd());
}

// The writer tells whether its output equals a reference, comparing as it
// goes: equal, differing anywhere, shorter and longer.
TEST(ArchiveBytes, WriterComparesItsOutputWithAReference)
{
    const auto write = [](const QByteArray &reference, std::initializer_list<quint32> values) {
        ArchiveWriter ar;
        ar.setReference(&reference);
        for (const quint32 v : values) {
            ar.writeDword(v);
            ar.compareStep();
        }
        return ar.equalsReference();
    };
    const QByteArray reference = dword(1) + dword(2) + dword(3);
    EXPECT_TRUE(write(reference, {1, 2, 3}));
    EXPECT_FALSE(write(reference, {9, 2, 3}));
    EXPECT_FALSE(write(reference, {1, 2, 4}));
    EXPECT_FALSE(write(reference, {1, 2}));
    EXPECT_FALSE(write(reference, {1, 2, 3, 4}));
    EXPECT_FALSE(ArchiveWriter().equalsReference()); // nothing to compare with
}

TEST(ArchiveBytes, CountsAndFixedWidthFields)
{
    ArchiveWriter ar;
    ar.writeCount(0xFFFE);
    ar.writeCount(0xFFFF);
    ar.writeFloat(2.0f);
    EXPECT_EQ(ar.takeData(), word(0xFFFE) + word(0xFFFF) + dword(0xFFFF) + dword(0x40000000));
}

TEST(ArchiveBytes, SecondObjectOfAClassCarriesTheShortClassTag)
{
    CDomoraDoc doc;
    CDrawObj *first = doc.AddObject(
        std::make_unique<CDrawRect>(geokit::Rect(0, 0, 10, 10), CDrawRect::Shape::Rectangle));
    doc.AddObject(std::make_unique<CDrawRect>(geokit::Rect(0, 0, 10, 10), CDrawRect::Shape::Line));
    const QByteArray archive = archiveOf(doc);
    const QByteArray data = objectData(*first);
    // paper colour, count 2, the full tag of class 1, the first object (index 2) ...
    EXPECT_EQ(archive.mid(4, 2), word(2));
    EXPECT_EQ(archive.mid(6, 15), newClassTag("CDrawRect"));
    EXPECT_EQ(archive.mid(21, data.size()), data);
    // ... then the second object names its class by index 1.
    EXPECT_EQ(archive.mid(21 + data.size(), 2), word(0x8001));
}

TEST(ArchiveBytes, OpeningFieldOrder)
{
    SegmentStyle wall;
    Opening o;
    o.offset = 1;
    o.size = 2;
    o.reserved = 3;
    o.angle = 4;
    o.flipped = 5;
    o.type = 6;
    o.strokeColor = 7;
    o.arcColor = 8;
    o.strokeDash = 9;
    o.arcDash = 10;
    o.arcKind = 11;
    o.opensInwards = 12;
    wall.openings.push_back(o);
    ArchiveWriter ar;
    model::writeRecord(ar, wall);
    const QByteArray out = ar.takeData();
    // Fields 0, 3, 4, 5, 2, 1, 13, 14, 8, 9 as DWORDs, then 11 and 12 as WORDs.
    const QByteArray expected = dword(1) + dword(4) + dword(5) + dword(6) + dword(3) + dword(2) +
                                dword(11) + dword(12) + dword(7) + dword(8) + word(9) + word(10);
    EXPECT_EQ(out.right(44).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(out.mid(out.size() - 46, 2), word(1)); // WORD count of openings
}

TEST(ArchiveBytes, RoomWithoutVerticesWritesACountOfZero)
{
    CDrawPoly room(geokit::Rect(0, 0, 5, 5));
    room.setPolyValues(1.0f, 2, 3.0f);
    const QByteArray out = objectData(room);
    // name (empty), fresh 1, pointCount 0, then the three values.
    EXPECT_EQ(out.right(21),
              bytes({0}) + dword(1) + dword(0) + dword(0x3F800000) + dword(2) + dword(0x40400000));
}

TEST(ArchiveBytes, BackReferencesAndBigIndices)
{
    // Class CDrawItem takes index 1, the items 2 ... 0x7FFF; CDrawObj 0x8000.
    std::vector<std::unique_ptr<CDrawItem>> items;
    for (int i = 0; i < 0x7FFE; ++i)
        items.push_back(std::make_unique<CDrawItem>());
    CDrawObj a, b;
    ArchiveWriter ar;
    for (const auto &item : items)
        ar.writeObject(item.get());
    const qsizetype tail = ar.size();
    ar.writeObject(items.front().get());
    ar.writeObject(items.back().get());
    ar.writeObject(&a);
    ar.writeObject(&b);
    ar.writeObject(nullptr);
    const QByteArray out = ar.takeData();
    EXPECT_EQ(out.mid(tail, 2), word(2));
    EXPECT_EQ(out.mid(tail + 2, 6), word(0x7FFF) + dword(0x7FFF));
    EXPECT_EQ(out.mid(tail + 8, 14), newClassTag("CDrawObj"));
    const qsizetype second = tail + 8 + 14 + objectData(a).size();
    EXPECT_EQ(out.mid(second, 6), word(0x7FFF) + dword(0x80008000));
    EXPECT_EQ(out.right(2), word(0));

    ArchiveReader in(out);
    std::vector<CDrawItem *> read;
    for (int i = 0; i < 0x7FFE; ++i)
        read.push_back(in.readReference<CDrawItem>());
    EXPECT_EQ(in.readReference<CDrawItem>(), read.front());
    EXPECT_EQ(in.readReference<CDrawItem>(), read.back());
    EXPECT_NE(in.readOwned<CDrawObj>(), nullptr);
    EXPECT_NE(in.readOwned<CDrawObj>(), nullptr);
    EXPECT_EQ(in.readOwned<CDrawObj>(), nullptr);
    EXPECT_TRUE(in.atEnd());
}

TEST(ArchiveRoundTrip, EveryClassSurvivesFileSnapshotAndClipboard)
{
    const auto doc = model::samples::everyClassPlan();
    const QByteArray first = archiveOf(*doc);
    CDomoraDoc copy;
    ASSERT_EQ(loadInto(copy, first), std::nullopt);
    ASSERT_EQ(copy.objects().size(), doc->objects().size());
    for (size_t i = 0; i < copy.objects().size(); ++i) {
        EXPECT_STREQ(copy.objects()[i]->className(), doc->objects()[i]->className());
        EXPECT_EQ(copy.objects()[i]->document(), &copy);
    }
    EXPECT_EQ(copy.GetDocType(), CDomoraDoc::placard);
    EXPECT_EQ(copy.scale(), 0.25);
    EXPECT_EQ(copy.paperSize(), geokit::Size(297, 210));
    EXPECT_EQ(copy.printableArea(), geokit::Rect(145, 10, 277, 100));
    // Reading and writing again gives the same bytes, apart from the picture,
    // which is picked first once read.
    const QByteArray second = archiveOf(copy);
    EXPECT_EQ(second.size(), first.size());
    CDomoraDoc third;
    ASSERT_EQ(loadInto(third, second), std::nullopt);
    EXPECT_EQ(archiveOf(third), second);

    std::vector<const CDrawObj *> selection;
    for (const auto &o : doc->objects())
        selection.push_back(o.get());
    const auto pasted = model::readObjectList(model::writeObjectList(selection));
    ASSERT_EQ(pasted.size(), selection.size());
    for (size_t i = 0; i < pasted.size(); ++i)
        EXPECT_EQ(objectData(*pasted[i]), objectData(*copy.objects()[i])) << i;
}

TEST(ArchiveRoundTrip, TransientFieldsAreNotKept)
{
    const auto doc = model::samples::everyClassPlan();
    CDomoraDoc copy;
    ASSERT_EQ(loadInto(copy, archiveOf(*doc)), std::nullopt);
    const auto &room = dynamic_cast<const CDrawPoly &>(*copy.objects()[0]);
    EXPECT_EQ(room.fresh(), 0);
    EXPECT_EQ(room.segmentStyles()[3].highlighted, 0);
    const Opening &door = room.segmentStyles()[0].openings[0];
    EXPECT_EQ(door.highlighted, 0);
    EXPECT_EQ(door.backColor, 0xFFFFFFFFu);
    EXPECT_EQ(door.angle, 180);
    EXPECT_EQ(room.segmentStyles()[0].openings[1].size, -20);
    EXPECT_EQ(room.segmentStyles()[1].description, QStringLiteral("Muro portante è già lì"));
    EXPECT_EQ(room.label().font.face(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(room.objectWord(), 0x1234);

    const auto *picture = dynamic_cast<const CDrawImage *>(copy.objects()[10].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pickingClass(), CDrawObj::pictureClass);
    EXPECT_EQ(picture->flippedX(), 1);

    const auto *ole = dynamic_cast<const CDrawOleObj *>(copy.objects()[11].get());
    ASSERT_NE(ole, nullptr);
    ASSERT_NE(ole->item(), nullptr);
    EXPECT_EQ(ole->item()->owner(), ole);
    EXPECT_EQ(ole->item()->data(), QByteArray("contenuto\0binario", 17));
    EXPECT_EQ(ole->item()->mimeType(), QStringLiteral("text/plain"));
}

TEST(ArchiveRoundTrip, TurnedAndMirroredPictureLooksTheSameAfterReading)
{
    const QString path = QString::fromUtf8(qgetenv("HOME")) + QStringLiteral("/corner.png");
    QImage image(6, 3, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(5, 1, qRgb(0, 0, 255));
    ASSERT_TRUE(image.save(path));

    CDomoraDoc doc;
    auto *picture = static_cast<CDrawImage *>(
        doc.AddObject(std::make_unique<CDrawImage>(geokit::Rect(0, 0, 30, 30), path)));
    ASSERT_FALSE(picture->bitmap().isNull()); // loaded: the steps below turn it in place
    picture->MirrorHorizontal();
    picture->RotateQuarter(true);
    picture->MirrorVertical();
    picture->RotateQuarter(true);
    const QImage shown = picture->bitmap();

    CDomoraDoc copy;
    ASSERT_EQ(loadInto(copy, archiveOf(doc)), std::nullopt);
    const auto &read = dynamic_cast<const CDrawImage &>(*copy.objects()[0]);
    EXPECT_EQ(read.bitmap(), shown);
    EXPECT_EQ(read.rotation(), picture->rotation());
}

namespace {

// Keeps item bytes apart from the archive, as a compound file does.
class MapItemStore : public model::ItemStore
{
public:
    quint32 storeItem(const QByteArray &data) override
    {
        items[++last] = data;
        return last;
    }
    QByteArray loadItem(quint32 number) override
    {
        const auto it = items.find(number);
        if (it == items.end())
            throw ArchiveException(Kind::BadValue, QStringLiteral("assente"));
        return it->second;
    }
    std::map<quint32, QByteArray> items;
    quint32 last = 0;
};

} // namespace

TEST(ArchiveRoundTrip, ItemBytesGoToTheItemStore)
{
    const auto doc = model::samples::everyClassPlan();
    MapItemStore store;
    ArchiveWriter ar(&store);
    doc->Serialize(ar);
    const QByteArray archive = ar.takeData();
    ASSERT_EQ(store.items.size(), 1u);
    EXPECT_FALSE(archive.contains("contenuto"));
    // The OLE list at the end refers back to the item inside its wrapper.
    EXPECT_EQ(archive.right(6), dword(1) + archive.right(2));
    EXPECT_LT(quint16(archive.right(2)[1]), 0x80);

    CDomoraDoc copy;
    ArchiveReader in(archive, &store);
    copy.Serialize(in);
    const auto &ole = dynamic_cast<const CDrawOleObj &>(*copy.objects().back());
    EXPECT_EQ(ole.item()->data(), store.items[1]);

    store.items.clear();
    ArchiveReader missing(archive, &store);
    EXPECT_THROW(copy.Serialize(missing), ArchiveException);
}

struct DamagedArchive
{
    const char *name;
    QByteArray bytes;
    Kind kind;
};

class DamagedArchiveTest : public ::testing::TestWithParam<DamagedArchive>
{
};

void PrintTo(const DamagedArchive &archive, std::ostream *os)
{
    *os << archive.name;
}

TEST_P(DamagedArchiveTest, StopsTheLoadAndKeepsTheDocument)
{
    CDomoraDoc doc;
    doc.AddObject(std::make_unique<CDrawObj>(geokit::Rect(1, 1, 2, 2)));
    const QByteArray before = archiveOf(doc);
    EXPECT_EQ(loadInto(doc, GetParam().bytes), GetParam().kind);
    EXPECT_EQ(archiveOf(doc), before);
}

namespace {

const QByteArray header = dword(0xFFFFFF);
const QByteArray emptyObject = objectData(CDrawObj());

std::vector<DamagedArchive> damagedArchives()
{
    return {
        {"empty", QByteArray(), Kind::EndOfFile},
        {"unknownClass", header + word(1) + newClassTag("CDrawWhatever"), Kind::BadClass},
        {"schemaOne", header + word(1) + newClassTag("CDrawObj", 1) + emptyObject, Kind::BadSchema},
        {"hugeClassName", header + word(1) + word(0xFFFF) + word(0) + word(5000), Kind::BadClass},
        {"countBeyondStream", header + word(0xFFFF) + dword(0x7FFFFFFF) + word(0), Kind::BadCount},
        {"referenceToNothing", header + word(1) + word(7), Kind::BadIndex},
        {"classReferenceToNothing", header + word(1) + word(0x8003), Kind::BadIndex},
        {"bigReferenceToNothing", header + word(1) + word(0x7FFF) + dword(0x12345678),
         Kind::BadIndex},
        {"nullObjectInList", header + word(1) + word(0), Kind::BadValue},
        {"sameObjectTwice", header + word(2) + newClassTag("CDrawObj") + emptyObject + word(2),
         Kind::BadIndex},
        {"itemAsDrawingObject",
         header + word(1) + newClassTag("CDrawItem") + bytes({0, 0}) + dword(0) + dword(0),
         Kind::BadClass},
        {"stringPastTheEnd",
         header + word(1) + newClassTag("CDrawObj") + emptyObject.left(20) +
             bytes({0xFF, 0x00, 0x10}) + QByteArray(30, 'x'),
         Kind::EndOfFile},
        {"segmentCountBeyondStream",
         header + word(1) + newClassTag("CDrawObj") + emptyObject.left(16 + 2 + 33 + 16) +
             word(0xFFFF),
         Kind::BadCount},
        {"positionOffTheSheet",
         header + word(1) + newClassTag("CDrawObj") + dword(0x7FFFFFFF) + emptyObject.mid(4),
         Kind::BadValue},
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Archive, DamagedArchiveTest, ::testing::ValuesIn(damagedArchives()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DamagedArchive, EveryTruncationIsAPrematureEnd)
{
    const QByteArray full = archiveOf(*model::samples::everyClassPlan());
    for (qsizetype length = 0; length < full.size(); ++length) {
        CDomoraDoc doc;
        try {
            ArchiveReader ar(full.constData(), length);
            doc.Serialize(ar);
            FAIL() << "truncated at " << length << " read without error";
        } catch (const ArchiveException &e) {
            ASSERT_EQ(e.fileCause(), 14) << length; // "fine prematura del file"
        }
        ASSERT_TRUE(doc.objects().empty());
    }
}

TEST(DamagedArchive, DocumentValuesOutOfRangeAreRefused)
{
    CDomoraDoc doc;
    const QByteArray good = archiveOf(doc);
    const qsizetype paperAt = 4 + 2 + 16;
    QByteArray badPaper = good;
    badPaper.replace(paperAt, 4, dword(0));
    QByteArray badScale = good;
    badScale.replace(paperAt + 8, 8, QByteArray(8, '\0'));
    QByteArray badKind = good;
    badKind.replace(paperAt + 20, 4, dword(3));
    for (const QByteArray &bad : {badPaper, badScale, badKind}) {
        const auto kind = loadInto(doc, bad);
        EXPECT_EQ(kind, Kind::BadValue);
    }
    EXPECT_EQ(loadInto(doc, good), std::nullopt);
}

TEST(DamagedArchive, WriterRefusesCountsTheFormatCannotHold)
{
    {
        CDrawPoly room;
        std::vector<SegmentStyle> walls(1);
        walls[0].openings.resize(0x10000);
        room.setSegmentStyles(walls);
        ArchiveWriter ar;
        EXPECT_THROW(ar.writeObject(&room), ArchiveException);
    }
    CDrawObj o;
    o.setSegmentStyles(std::vector<SegmentStyle>(0x10000));
    ArchiveWriter ar;
    try {
        ar.writeObject(&o);
        FAIL();
    } catch (const ArchiveException &e) {
        EXPECT_EQ(e.kind(), Kind::TooLarge);
        EXPECT_TRUE(e.message().contains(QStringLiteral("65535")));
    }
}
