#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// Windows-1252, the code page of the archive strings and of the text
// configuration files. Every one of the 256 byte values maps to one Unicode
// character and back; the five bytes the code page leaves unassigned (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value.
namespace platform::codepage {

[[nodiscard]] char16_t toUnicode(unsigned char byte);
// The byte for a character, or '?' when the code page has none.
[[nodiscard]] unsigned char fromUnicode(char16_t ch);

[[nodiscard]] QString decode(std::string_view bytes);
[[nodiscard]] QString decode(const QByteArray &bytes);
// Characters outside the code page become '?'; a surrogate pair becomes one '?'.
[[nodiscard]] QByteArray encode(const QString &text);
[[nodiscard]] std::string encodeStd(const QString &text);

} // namespace platform::codepage
