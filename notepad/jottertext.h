#pragma once

#include <QByteArray>
#include <QString>

// How a text file's bytes become the text the editor shows, and back, so
// that a file saved unchanged comes back byte for byte whatever it holds.
//
// A file that is valid UTF-8 is read as UTF-8; any other file through
// Windows-1252 (every byte a character). Line ends: a file whose every line
// feed follows a carriage return is edited with plain line feeds and saved
// with CR LF again; otherwise line feeds stay as they are. The few
// characters the edit control would change on its own (a carriage return
// outside that rule, the paragraph separator U+2029, the frame marks U+FDD0
// and U+FDD1) are shown as stand-ins from a private-use block and written
// back as what they were.
namespace jottertext {

enum class Encoding
{
    Utf8,
    Windows1252
};

enum class LineEnds
{
    Lf,
    CrLf
};

struct Format
{
    Encoding encoding = Encoding::Utf8;
    LineEnds lineEnds = LineEnds::Lf;
    bool byteOrderMark = false; // a UTF-8 file that starts with EF BB BF
    bool operator==(const Format &) const = default;
};

struct Decoded
{
    QString text;
    Format format;
};

[[nodiscard]] Decoded decode(const QByteArray &bytes);
// Text that cannot be written in the format's encoding (a character outside
// Windows-1252) is written as UTF-8 instead; encodingUsed tells which.
[[nodiscard]] QByteArray encode(const QString &text, const Format &format,
                                Encoding *encodingUsed = nullptr);

// Whether bytes are valid UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF).
[[nodiscard]] bool isValidUtf8(const QByteArray &bytes);

} // namespace jottertext
