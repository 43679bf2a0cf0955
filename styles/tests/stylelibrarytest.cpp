#include "styles/stylelibrary.h"

#include <gtest/gtest.h>

using styles::LibraryKind;
using styles::StyleLibraryReader;

namespace {

const std::string wallsHeader =
    "<header>\r\n   fileID = \"{E2A7C287-E14E-4145-8A49-999D5989F740}\"\r\n"
    "   productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\r\n</header>\r\n";
const std::string roomsHeader =
    "<header>\r\n   fileID = \"{B339CD67-1D9B-426F-8476-86984686BBD5}\"\r\n"
    "   productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\r\n</header>\r\n";

std::string wallStyle(const std::string &brushLines)
{
    return "<style>\r\n name = \"Muro\"\r\n id = \"m\"\r\n <brush>\r\n" + brushLines +
           " </brush>\r\n</style>\r\n";
}

} // namespace

TEST(StyleLibraryReader, ReadsTheShippedLibraries)
{
    StyleLibraryReader walls;
    ASSERT_TRUE(walls.read(DOMORA_SOURCE_DIR "/data/walls.fps"))
        << walls.errorString() << " line " << walls.errorLine();
    EXPECT_EQ(walls.library().kind, LibraryKind::Walls);
    EXPECT_GE(walls.library().styles.size(), 6u);
    for (const auto &s : walls.library().styles) {
        EXPECT_FALSE(s.name.empty());
        EXPECT_NE(s.brush.fill, styles::FillUnset) << s.name;
    }

    StyleLibraryReader rooms;
    ASSERT_TRUE(rooms.read(DOMORA_SOURCE_DIR "/data/rooms.fps"))
        << rooms.errorString() << " line " << rooms.errorLine();
    EXPECT_EQ(rooms.library().kind, LibraryKind::Rooms);
    EXPECT_GE(rooms.library().styles.size(), 6u);
    for (const auto &s : rooms.library().styles) {
        EXPECT_FALSE(s.rooms.empty()) << s.name;
        EXPECT_NE(s.borders.line, 0) << s.name;
    }
    EXPECT_EQ(rooms.library().header.product, "Domora");
}

TEST(StyleLibraryReader, BrushValuesAndColourLists)
{
    StyleLibraryReader reader;
    ASSERT_TRUE(reader.parse(wallsHeader + wallStyle("fill = 1185\r\ncolor1 = 255,139,0,0\r\n"
                                                     "color2 = 128, 1, 2, 3\r\nhashType = 39\r\n"
                                                     "texture = \"a b.png\"\r\nfill = 1121\r\n"
                                                     "width = 7\r\ntitle = \"t\"\r\n")))
        << reader.errorString();
    const auto &brush = reader.library().styles.at(0).brush;
    EXPECT_EQ(brush.fill, 1185); // the first of two equal keys counts
    EXPECT_EQ(brush.color1, 0xFF8B0000u);
    EXPECT_EQ(brush.color2, 0x80010203u);
    EXPECT_EQ(brush.hashType, 39);
    EXPECT_EQ(brush.texture, "a b.png");
    EXPECT_EQ(brush.textureScale, 20); // defaults for keys not written
    EXPECT_EQ(brush.width, 7);
    EXPECT_EQ(brush.title, "t");
}

TEST(StyleLibraryReader, RoomStylesKeepEachRoom)
{
    StyleLibraryReader reader;
    const std::string room = "<room>\r\nid = \"%1\"\r\n<brush>\r\nfill = 1121\r\n</brush>\r\n"
                             "</room>\r\n";
    std::string a = room, b = room;
    a.replace(a.find("%1"), 2, "Cucina");
    b.replace(b.find("%1"), 2, "Bagno");
    ASSERT_TRUE(reader.parse(roomsHeader + "<style>\r\nname = \"S\"\r\n<background>\r\n" + a + b +
                             "</background>\r\n<borders>\r\n<brush>\r\nfill = 1185\r\nhashType = "
                             "3\r\n</brush>\r\n</borders>\r\n</style>\r\n<style>\r\nname = "
                             "\"T\"\r\n</style>\r\n"))
        << reader.errorString() << " line " << reader.errorLine();
    const auto &styles = reader.library().styles;
    ASSERT_EQ(styles.size(), 2u);
    ASSERT_EQ(styles[0].rooms.size(), 2u);
    EXPECT_EQ(styles[0].rooms[0].id, "Cucina");
    EXPECT_EQ(styles[0].rooms[1].id, "Bagno");
    EXPECT_EQ(styles[0].borders.hashType, 3);
    EXPECT_EQ(styles[1].name, "T"); // keys of the previous style do not shadow it
}

TEST(StyleLibraryReader, FaultsCarryTheirLine)
{
    const struct
    {
        std::string text;
        int line;
    } cases[] = {
        {wallsHeader + wallStyle("color1 = 255,0,0\r\n"), 9},     // three values
        {wallsHeader + wallStyle("color1 = 255,0,256,0\r\n"), 9}, // out of range
        {wallsHeader + wallStyle("color1 = 255,,0,0\r\n"), 9},    // empty piece
        {wallsHeader + wallStyle("color1 = -1,0,0,0\r\n"), 9},    // sign
        {wallsHeader + wallStyle("hashType = 53\r\n"), 9},
        {wallsHeader + wallStyle("fill = 1122\r\n"), 9},
        {wallsHeader + wallStyle("fill = \"1121\"\r\n"), 9},
        {wallsHeader + wallStyle("fill = 0 // note\r\n"), 9},
        {wallsHeader + "<brush>\r\n", 5},                                   // outside a style
        {wallsHeader + "<style>\r\n<stile>\r\n", 6},                        // unknown block
        {"<style>\r\n", 1},                                                 // no header first
        {wallsHeader + "<style>\r\n<brush>\r\n</brush>\r\n<brush>\r\n", 8}, // two brushes
    };
    for (const auto &c : cases) {
        StyleLibraryReader reader;
        EXPECT_FALSE(reader.parse(c.text)) << c.text;
        EXPECT_EQ(reader.errorLine(), c.line) << c.text;
        EXPECT_FALSE(reader.errorString().empty());
    }
}

TEST(StyleLibraryReader, HeaderMustNameALibraryOfThisProduct)
{
    StyleLibraryReader reader;
    EXPECT_FALSE(reader.parse("; nothing\r\n"));
    EXPECT_FALSE(reader.parse("<header>\r\nfileID = \"{X}\"\r\n</header>\r\n"));
    std::string otherProduct = wallsHeader;
    otherProduct.replace(otherProduct.find("B82F"), 4, "0000");
    EXPECT_FALSE(reader.parse(otherProduct));
    // a room block in a wall library
    EXPECT_FALSE(reader.parse(wallsHeader + "<style>\r\n<background>\r\n<room>\r\n</room>\r\n"));
    // a wall brush in a room library
    EXPECT_FALSE(reader.parse(roomsHeader + wallStyle("fill = 1121\r\n")));
    EXPECT_TRUE(reader.parse(roomsHeader));
    EXPECT_TRUE(reader.library().styles.empty());
}

TEST(StyleLibraryReader, MissingFile)
{
    StyleLibraryReader reader;
    EXPECT_FALSE(reader.read("/nonexistent/walls.fps"));
    EXPECT_EQ(reader.errorLine(), 0);
}
