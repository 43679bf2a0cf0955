#include "sampleplan.h"

#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"

#include <cmath>

using geokit::PointF;
using geokit::Rect;

namespace model::samples {

namespace {

BrushStyle oddBrush(int seed)
{
    BrushStyle b;
    b.fillKind = BrushStyle::fillGradient;
    b.gradientMode = 2;
    b.hatchStyle = 7 + seed;
    b.texturePath =
        QStringLiteral("Library/Textures e motivi di riempimento/parquet%1.bmp").arg(seed);
    b.textureAngle = 12.5f;
    b.textureScale = 0.75f;
    b.color1 = 0xFF102030u + static_cast<quint32>(seed);
    b.color2 = 0x80A0B0C0u;
    b.solidColor = 0xFF445566u;
    return b;
}

LabelStyle oddLabel(const QString &text)
{
    LabelStyle l;
    l.visible = 1;
    l.lineAlign = 2;
    l.align = 0;
    l.noKerning = 1;
    l.noLigatures = 1;
    l.trimming = 3;
    l.font.setFace(QStringLiteral("Liberation Serif"));
    l.font.height = -14;
    l.font.weight = 700;
    l.font.italic = 1;
    l.font.charSet = 0;
    l.shadow = 1;
    l.textCase = 1;
    l.textBrush = oddBrush(1);
    l.text = text;
    return l;
}

Opening opening(int offset, int size, int type)
{
    Opening o;
    o.offset = offset;
    o.size = size;
    o.angle = 180;
    o.flipped = 1;
    o.type = type;
    o.strokeColor = 0xFF203040;
    o.arcColor = 0xFF6E6E6E;
    o.backColor = 0xFFFFFF00; // not stored: white again after reading
    o.strokeDash = 1;
    o.arcDash = 2;
    o.arcKind = 1;
    o.opensInwards = 1;
    o.highlighted = 1; // not stored
    return o;
}

void setCommonFields(CDrawObj &o, int seed)
{
    o.setObjectFlag(5 + seed);
    o.setObjectWord(0x1234);
    o.setRotation(90);
    for (int i = 1; i <= CDrawObj::extraCount; ++i)
        o.setExtra(i, i == 4 ? 1 : 10 * i + seed);
}

} // namespace

std::unique_ptr<CDomoraDoc> everyClassPlan()
{
    auto doc = std::make_unique<CDomoraDoc>();
    doc->SetPaperSize({297, 210});
    doc->setBorders(145, 10, 20, 110);
    doc->setDocType(CDomoraDoc::placard);
    doc->setScale(0.25);
    doc->setDocValue(9);
    doc->setPaperColor(0x00F0E0D0);

    auto room = std::make_unique<CDrawPoly>(Rect());
    room->setPoints({{20, 20}, {120.5f, 20}, {120.5f, 90.25f}, {20, 90.25f}});
    std::vector<SegmentStyle> walls(4);
    walls[0].openings = {opening(10, 30, 1), opening(50, -20, 8)};
    walls[1].width = 3.5f;
    walls[1].description = QStringLiteral("Muro portante è già lì");
    walls[1].brush = oddBrush(2);
    walls[2].enabled = 0;
    walls[3].highlighted = 1; // not stored
    room->setSegmentStyles(walls);
    room->setName(QStringLiteral("Soggiorno"));
    room->setPolyValues(1.5f, 7, 2.25f);
    room->setLabel(oddLabel(QStringLiteral("Soggiorno")));
    setCommonFields(*room, 1);
    doc->AddObject(std::move(room));

    auto wall = std::make_unique<CDrawOpenPath>(Rect());
    wall->setPoints({{130, 20}, {180, 20}, {180, 80}});
    wall->setSegmentStyles(std::vector<SegmentStyle>(2));
    wall->setPathValue(3);
    setCommonFields(*wall, 2);
    doc->AddObject(std::move(wall));

    for (int shape = 0; shape <= 6; ++shape) {
        auto rect = std::make_unique<CDrawRect>(Rect(10 + 20 * shape, 100, 25 + 20 * shape, 120),
                                                static_cast<CDrawRect::Shape>(shape));
        rect->setRoundness({8, 6});
        rect->setPenWidth(1.25f);
        rect->setOutlined(0);
        rect->setStroke(oddBrush(3));
        rect->setLabel2(oddLabel(QStringLiteral("3,50 m")));
        rect->setFill(oddBrush(shape));
        setCommonFields(*rect, shape);
        doc->AddObject(std::move(rect));
    }

    auto text = std::make_unique<CDrawText>(Rect(10, 130, 90, 150));
    text->setTextValue(4);
    text->setBorderWidth(2.5f);
    text->setOutlined(0);
    text->setBorderColor(0xFF00FF00);
    text->setText(oddLabel(QString(300, QLatin1Char('t')))); // a long string prefix
    setCommonFields(*text, 9);
    doc->AddObject(std::move(text));

    auto picture = std::make_unique<CDrawImage>(Rect(100, 130, 140, 170),
                                                QStringLiteral("/nonexistent/a.png"));
    picture->setFlipped(1, 0);
    doc->AddObject(std::move(picture));

    auto item =
        std::make_unique<CDrawItem>(QStringLiteral("nota.txt"), QStringLiteral("text/plain"),
                                    QByteArray("contenuto\0binario", 17));
    auto ole = std::make_unique<CDrawOleObj>(Rect(150, 130, 190, 170), std::move(item));
    ole->setExtent({40, 40});
    doc->AddObject(std::move(ole));

    doc->SetModifiedFlag(false);
    return doc;
}

std::unique_ptr<CDomoraDoc> generatedPlan(int rooms, int others)
{
    auto doc = std::make_unique<CDomoraDoc>();
    doc->SetPaperSize({4000, 4000});
    const int perRow = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(rooms))));
    for (int i = 0; i < rooms; ++i) {
        const auto x = static_cast<float>(10 + (i % perRow) * 30);
        const auto y = static_cast<float>(10 + (i / perRow) * 30);
        auto room = std::make_unique<CDrawPoly>(Rect());
        // An octagon of about 25 mm across.
        std::vector<PointF> points;
        for (int k = 0; k < 8; ++k) {
            const double a = k * 3.14159265358979 / 4.0;
            points.push_back({x + 12.5f + static_cast<float>(12.5 * std::cos(a)),
                              y + 12.5f + static_cast<float>(12.5 * std::sin(a))});
        }
        room->setPoints(std::move(points));
        std::vector<SegmentStyle> walls(8);
        Opening door;
        door.offset = 1;
        door.size = 6;
        door.type = 1;
        door.arcKind = 1;
        door.opensInwards = 1;
        walls[0].openings.push_back(door);
        room->setSegmentStyles(std::move(walls));
        room->setFresh(0);
        doc->AddObject(std::move(room));
    }
    for (int i = 0; i < others; ++i) {
        const int x = 10 + (i % 100) * 35;
        const int y = 10 + (i / 100) * 35;
        const Rect r(x, y, x + 20, y + 15);
        switch (i % 4) {
        case 0:
            doc->AddObject(std::make_unique<CDrawRect>(r, static_cast<CDrawRect::Shape>(i % 7)));
            break;
        case 1:
            doc->AddObject(std::make_unique<CDrawText>(r));
            break;
        case 2: {
            auto wall = std::make_unique<CDrawOpenPath>(r);
            wall->setPoints(
                {{float(x), float(y)}, {float(x + 20), float(y)}, {float(x + 20), float(y + 15)}});
            wall->setSegmentStyles(std::vector<SegmentStyle>(2));
            doc->AddObject(std::move(wall));
            break;
        }
        default:
            doc->AddObject(std::make_unique<CDrawRect>(r, CDrawRect::Shape::DimensionLine));
            break;
        }
    }
    doc->SetModifiedFlag(false);
    return doc;
}

CDrawPoly *firstRoom(const CDomoraDoc &doc)
{
    for (const auto &o : doc.objects())
        if (auto *room = dynamic_cast<CDrawPoly *>(o.get()))
            return room;
    return nullptr;
}

} // namespace model::samples
