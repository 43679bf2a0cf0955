#include "codepage.h"

#include <array>

namespace platform::codepage {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

unsigned char fromUnicode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

QString decode(std::string_view bytes)
{
    QString out;
    out.resize(static_cast<qsizetype>(bytes.size()));
    QChar *data = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        data[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QString decode(const QByteArray &bytes)
{
    return decode(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(static_cast<char>(fromUnicode(c.unicode())));
    }
    return out;
}

std::string encodeStd(const QString &text)
{
    const QByteArray b = encode(text);
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

} // namespace platform::codepage
