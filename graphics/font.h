#pragma once

#include <QFont>
#include <QString>

#include <cstdint>
#include <memory>

namespace graphics {

// A font as plan files describe it (the fields of a Windows LOGFONT). Heights
// are in world units (sheet millimetres): a negative height is the em height
// of the characters, a positive one the height of the character cell (ascent
// plus descent), zero a default of 12.
struct LogFont
{
    std::int32_t height = 0;
    std::int32_t width = 0;       // kept, not used for drawing
    std::int32_t escapement = 0;  // kept, not used for drawing
    std::int32_t orientation = 0; // kept, not used for drawing
    std::int32_t weight = 400;    // 0 means normal (400); 700 is bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    QString faceName = QStringLiteral("Arial");

    friend bool operator==(const LogFont &, const LogFont &) = default;
};

enum class StringAlignment
{
    Near = 0,
    Center = 1,
    Far = 2,
};

// What happens to text that does not fit its layout rectangle.
enum class StringTrimming
{
    None = 0,              // every line is drawn, clipped to the rectangle
    Character = 1,         // the last line that fits ends at a character
    Word = 2,              // ... at a word
    EllipsisCharacter = 3, // ... at a character, followed by an ellipsis
    EllipsisWord = 4,      // ... at a word, followed by an ellipsis
    EllipsisPath = 5,      // ... keeping its end, with an ellipsis in the middle
};

struct StringFormat
{
    StringAlignment alignment = StringAlignment::Near;     // horizontal
    StringAlignment lineAlignment = StringAlignment::Near; // vertical
    StringTrimming trimming = StringTrimming::None;
    bool noKerning = false;
    bool noLigatures = false;
    bool noWrap = false; // lines break only at line feeds
    bool noClip = false; // text may show outside its rectangle

    friend bool operator==(const StringFormat &, const StringFormat &) = default;
};

// A font ready for drawing: the LOGFONT turned into a QFont at a fixed
// reference size, and the factor that brings it to its height in world units.
// Text is laid out at the reference size and scaled, so measures do not
// depend on the device or its resolution. Fonts are shared: making the same
// font again is a table look-up.
class Font
{
public:
    static constexpr int referencePixelSize = 200;
    // Heights beyond this are drawn at this height (world units).
    static constexpr double maxEmHeight = 100000.0;

    explicit Font(const LogFont &logFont = {});

    [[nodiscard]] const LogFont &logFont() const { return m_data->logFont; }
    [[nodiscard]] const QFont &referenceFont() const { return m_data->font; }
    // World units per reference pixel.
    [[nodiscard]] double scale() const { return m_data->scale; }
    // The em height in world units.
    [[nodiscard]] double emHeight() const { return m_data->scale * referencePixelSize; }
    // Distance between two lines, world units.
    [[nodiscard]] double lineSpacing() const { return m_data->lineSpacing * m_data->scale; }
    // Reference-size metrics (reference pixels).
    [[nodiscard]] double referenceAscent() const { return m_data->ascent; }
    [[nodiscard]] double referenceLineSpacing() const { return m_data->lineSpacing; }

    struct Data
    {
        LogFont logFont;
        QFont font;
        double scale = 1.0;
        double ascent = 0.0;
        double lineSpacing = 0.0;
    };

private:
    std::shared_ptr<const Data> m_data;
};

} // namespace graphics
