#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/openinginsertion.h"
#include "model/openingops.h"

#include "fakeview.h"

#include <gtest/gtest.h>

using namespace model;

namespace {

// A 100 x 60 room with two doors on its top wall (segment 0).
struct RoomFixture : ::testing::Test
{
    CDomoraDoc doc;
    CDrawPoly *room = nullptr;

    void SetUp() override
    {
        const std::vector<geokit::PointF> points{{0, 0}, {100, 0}, {100, 60}, {0, 60}};
        auto poly = std::make_unique<CDrawPoly>(boundingBox(points));
        poly->setPoints(points);
        poly->setFresh(0);
        std::vector<SegmentStyle> walls(4);
        walls[0].openings = {newOpening(10, 20, {}), newOpening(60, 15, {})};
        walls[0].openings[1].highlighted = 1;
        poly->setSegmentStyles(walls);
        room = static_cast<CDrawPoly *>(doc.AddObject(std::move(poly)));
        doc.SetModifiedFlag(false);
    }

    const Opening &opening(int index, int segment = 0) const
    {
        return room->segmentStyles()[static_cast<size_t>(segment)]
            .openings[static_cast<size_t>(index)];
    }
    OpeningRef ref(int index, int segment = 0) const { return {room, segment, index}; }
};

} // namespace

TEST_F(RoomFixture, InvertingAndFlippingTwiceRestoreTheRecord)
{
    const Opening before = opening(1);
    ASSERT_TRUE(invertOpeningOrientation(doc, ref(1)));
    EXPECT_EQ(opening(1).angle, 180);
    ASSERT_TRUE(invertOpeningOrientation(doc, ref(1)));
    EXPECT_EQ(opening(1).angle, 0);

    ASSERT_TRUE(flipOpeningAlongWall(doc, ref(1)));
    EXPECT_EQ(opening(1).offset, 40); // 100 - 60: the opening keeps its place
    EXPECT_EQ(opening(1).size, -15);
    ASSERT_TRUE(flipOpeningAlongWall(doc, ref(1)));

    ASSERT_TRUE(flipOpeningHorizontally(doc, ref(1)));
    EXPECT_EQ(opening(1).flipped, 1);
    ASSERT_TRUE(flipOpeningHorizontally(doc, ref(1)));

    Opening expected = before;
    expected.highlighted = 0; // every operation clears the pick
    EXPECT_EQ(opening(1), expected);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(RoomFixture, DeleteMovesLaterOpeningsDown)
{
    ASSERT_TRUE(deleteOpening(doc, ref(0)));
    ASSERT_EQ(room->segmentStyles()[0].openings.size(), 1u);
    EXPECT_EQ(opening(0).offset, 60);
    EXPECT_FALSE(deleteOpening(doc, ref(1)));    // no such opening any more
    EXPECT_FALSE(deleteOpening(doc, ref(0, 7))); // no such segment
}

TEST_F(RoomFixture, PropertiesAreWrittenBack)
{
    OpeningProperties page = openingProperties(opening(0));
    EXPECT_EQ(page, OpeningProperties{}); // a new opening takes the page's defaults
    page.type = 8;
    page.arcKind = 0;
    page.strokeColor = 0xFF102030;
    ASSERT_TRUE(setOpeningProperties(doc, ref(0), page));
    EXPECT_EQ(openingProperties(opening(0)), page);
    EXPECT_EQ(opening(0).offset, 10);
}

TEST_F(RoomFixture, EachOperationTakesASnapshotUnlessTheCounterForbidsIt)
{
    const size_t before = doc.undoCount();
    invertOpeningOrientation(doc, ref(0));
    EXPECT_EQ(doc.undoCount(), before + 1);
    doc.setCheckpointCounter(1);
    invertOpeningOrientation(doc, ref(0));
    EXPECT_EQ(doc.undoCount(), before + 1);
}

TEST_F(RoomFixture, InsertionStatesPlaceSizeAndFinish)
{
    OpeningProperties page;
    page.type = 5;
    OpeningInsertion insertion(doc, *room, page);
    EXPECT_TRUE(insertion.mouseMove({50, 62}, false)); // near the bottom wall
    EXPECT_EQ(room->segmentStyles()[2].highlighted, 1);
    EXPECT_FALSE(insertion.click({50, 30}, false)); // not on a highlighted wall
    ASSERT_TRUE(insertion.click({50, 61}, false));
    EXPECT_EQ(insertion.state(), OpeningInsertion::State::Placing);
    EXPECT_EQ(room->segmentStyles()[2].highlighted, 0);
    const OpeningRef placed = insertion.opening();
    ASSERT_EQ(placed.segment, 2);
    EXPECT_EQ(openingAt(placed)->type, 5);

    // The bottom wall runs from (100, 60) to (0, 60).
    insertion.mouseMove({70, 58}, false);
    EXPECT_EQ(openingAt(placed)->offset, 30);
    insertion.mouseMove({20, 58}, true);  // Shift held: nothing changes
    insertion.mouseMove({70, 40}, false); // too far from the wall
    EXPECT_EQ(openingAt(placed)->offset, 30);

    insertion.click({70, 58}, false);
    EXPECT_EQ(insertion.state(), OpeningInsertion::State::Sizing);
    EXPECT_EQ(openingAt(placed)->insertState, 2);
    insertion.mouseMove({85, 60}, false); // before the start: negative size
    EXPECT_EQ(openingAt(placed)->size, -15);
    insertion.mouseMove({45, 60}, false);
    EXPECT_EQ(openingAt(placed)->size, 25);
    insertion.click({45, 60}, false);
    EXPECT_EQ(insertion.state(), OpeningInsertion::State::Finished);
    EXPECT_EQ(openingAt(placed)->insertState, 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(RoomFixture, ShiftClickWhilePlacingTakesTheOpeningAwayAgain)
{
    OpeningInsertion insertion(doc, *room, {});
    insertion.mouseMove({0, 30}, false);
    insertion.click({0, 30}, false);
    ASSERT_EQ(room->segmentStyles()[3].openings.size(), 1u);
    insertion.click({0, 30}, true);
    EXPECT_EQ(insertion.state(), OpeningInsertion::State::ChoosingSegment);
    EXPECT_TRUE(room->segmentStyles()[3].openings.empty());

    insertion.mouseMove({0, 30}, false);
    insertion.click({0, 30}, false);
    insertion.cancel();
    EXPECT_TRUE(room->segmentStyles()[3].openings.empty());
}

TEST_F(RoomFixture, MovingKeepsTheOpeningWhollyOnTheWall)
{
    OpeningMover mover(doc, *room, 0);
    EXPECT_TRUE(mover.hover({20, 1}));
    EXPECT_EQ(opening(0).highlighted, 1);
    EXPECT_EQ(opening(1).highlighted, 0);
    ASSERT_TRUE(mover.press({20, 1}));
    mover.drag({25, 2});
    EXPECT_EQ(opening(0).offset, 15);
    mover.drag({5, 2}); // would start before the wall's start: refused
    EXPECT_EQ(opening(0).offset, 15);
    mover.drag({12, 0});
    EXPECT_EQ(opening(0).offset, 2);
    mover.drag({12, 30}); // far from the wall
    EXPECT_EQ(opening(0).offset, 2);

    const size_t snapshots = doc.undoCount();
    EXPECT_TRUE(mover.release());
    EXPECT_EQ(doc.undoCount(), snapshots + 1);
    EXPECT_EQ(opening(0).highlighted, 0);
    EXPECT_TRUE(doc.IsModified());
}
