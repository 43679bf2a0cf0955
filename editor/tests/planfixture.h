#pragma once

#include "model/brushstyle.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/segmentstyle.h"

#include <QString>

#include <memory>

// A plan for tests and benchmarks: `rooms` rectangular rooms in a grid on an
// A4 sheet, each with walls on every side, a fill and a name.
inline std::unique_ptr<CDomoraDoc> makePlan(int rooms, int docType = CDomoraDoc::printnet)
{
    auto doc = std::make_unique<CDomoraDoc>();
    NewDocumentOptions options;
    options.docType = docType;
    doc->OnNewDocument(options);
    const geokit::Size sheet = doc->paperSize();
    const int columns = 5;
    const int rows = (rooms + columns - 1) / columns;
    const float cellW = float(sheet.cx - 24) / columns;
    const float cellH = float(sheet.cy - 24) / std::max(rows, 1);
    static const quint32 fills[] = {0xFFF4AECB, 0xFFEBFFEE, 0xFFFFFB9D, 0xFF329632, 0xFFB5DEF8};
    for (int i = 0; i < rooms; ++i) {
        const float x = 12 + (i % columns) * cellW;
        const float y = 12 + (i / columns) * cellH;
        auto room = std::make_unique<CDrawPoly>();
        room->setPoints({{x, y}, {x + cellW, y}, {x + cellW, y + cellH}, {x, y + cellH}});
        room->setFresh(0);
        BrushStyle fill;
        fill.fillKind = BrushStyle::fillSolid;
        fill.solidColor = fills[i % 5];
        room->setFill(fill);
        room->setSegmentStyles(std::vector<SegmentStyle>(4));
        room->setName(QStringLiteral("Stanza %1").arg(i + 1));
        doc->AddObject(std::move(room));
    }
    doc->SetModifiedFlag(false);
    return doc;
}
