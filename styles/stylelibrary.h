#pragma once

#include "configfile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two style libraries "walls.fps" and "rooms.fps": a header block and
// any number of <style> blocks. Texts are kept as the file's bytes
// (Windows-1252).

namespace styles {

inline constexpr std::string_view productId = "{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}";
inline constexpr std::string_view wallsFileId = "{E2A7C287-E14E-4145-8A49-999D5989F740}";
inline constexpr std::string_view roomsFileId = "{B339CD67-1D9B-426F-8476-86984686BBD5}";

enum class LibraryKind
{
    Walls,
    Rooms
};

// The fill kind codes a brush's "fill" key holds; 0 is the template's
// placeholder for a brush not filled in yet.
enum LibraryFill : int
{
    FillUnset = 0,
    FillTransparent = 1120,
    FillSolid = 1121,
    FillGradient = 1123,
    FillTexture = 1125,
    FillHatch = 1185
};

// One <brush> block. Colours are 0xAARRGGBB, written in the file as
// "alpha,red,green,blue".
struct LibraryBrush
{
    int fill = FillUnset;
    std::uint32_t color1 = 0;
    std::uint32_t color2 = 0;
    int gradientStyle = 0;
    std::string texture;
    int textureScale = 20;
    int textureAngle = 0;
    int hashType = 0; // hatch style 0..52
    std::optional<int> width;
    std::string font;
    std::string title;
    int line = 0; // line of the <brush> tag, 0 when the block had none
};

// A <room> block of a room style: the fill for one particular room.
struct LibraryRoom
{
    std::string id;
    LibraryBrush brush;
    int line = 0;
};

struct LibraryStyle
{
    std::string name;
    std::string id;
    LibraryBrush brush;             // walls: the wall fill
    std::vector<LibraryRoom> rooms; // rooms: <background> blocks
    LibraryBrush borders;           // rooms: the walls of the room
    int line = 0;
};

struct LibraryHeader
{
    std::string description;
    std::string author;
    std::string copyright;
    std::string fileId;
    std::string fileVersion;
    std::string product;
    std::string productVersion;
    std::string productId;
};

struct StyleLibrary
{
    LibraryKind kind = LibraryKind::Walls;
    LibraryHeader header;
    std::vector<LibraryStyle> styles;
};

// Reads a style library. The grammar is that of CConfigFile, with one
// addition: a value may be a comma-separated list of decimals (the colours).
// Fails with a message (UTF-8, Italian) and the line at the first fault:
// a syntax error of the format, a header that does not name a library of
// this product, a block in the wrong place, or a value of the wrong type or
// out of range. Keys it does not know are skipped; of two equal keys in one
// block the first counts, as in every lookup of the format.
class StyleLibraryReader : private CConfigFile
{
public:
    bool read(const std::string &path);
    bool parse(std::string_view bytes, const std::string &path = {});

    [[nodiscard]] const StyleLibrary &library() const { return m_library; }
    [[nodiscard]] const std::string &errorString() const { return m_error; }
    [[nodiscard]] int errorLine() const { return m_errorLine; }

private:
    void begin();
    bool finish();
    bool fail(const CConfigException &e);
    void sectionOpened(const std::string &path, int line) override;
    void sectionClosed(const std::string &closedPath, const std::string &newPath,
                       int line) override;
    void entryAdded(const ConfigEntry &entry) override;
    LibraryBrush *brushFor(const std::string &section);
    void setBrushValue(LibraryBrush &brush, const ConfigEntry &entry);
    void setHeaderValue(const ConfigEntry &entry);

    StyleLibrary m_library;
    bool m_hasHeader = false;
    std::vector<std::string> m_seen; // "section\nkey" of the current blocks
    std::string m_error;
    int m_errorLine = 0;
};

} // namespace styles
