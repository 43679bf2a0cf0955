#include "notepad/jottertext.h"

#include "platform/codepage.h"

#include <QStringDecoder>

#include <algorithm>

namespace jottertext {

namespace {

// Stand-ins for the characters the edit control would not keep.
constexpr char16_t standInBase = 0xF7F0;
constexpr char16_t escaped[] = {u'\r', 0x2029, 0xFDD0, 0xFDD1};
constexpr int escapedCount = int(std::size(escaped));

bool isStandIn(QChar c)
{
    return c.unicode() >= standInBase && c.unicode() < standInBase + escapedCount;
}

int escapeIndex(char16_t c)
{
    // Every escaped character is a carriage return or lies at or above U+2029.
    if (c != u'\r' && c < 0x2029)
        return -1;
    for (int i = 0; i < escapedCount; ++i) {
        if (c == escaped[i])
            return i;
    }
    return -1;
}

// Each escaped character becomes one stand-in: the text keeps its length.
QString escapeText(const QString &text)
{
    const auto first = std::find_if(text.cbegin(), text.cend(),
                                    [](QChar c) { return escapeIndex(c.unicode()) >= 0; });
    if (first == text.cend())
        return text;
    QString out = text;
    for (qsizetype i = first - text.cbegin(); i < out.size(); ++i) {
        if (const int k = escapeIndex(out.at(i).unicode()); k >= 0)
            out[i] = QChar(char16_t(standInBase + k));
    }
    return out;
}

QString unescapeText(const QString &text)
{
    const auto first = std::find_if(text.cbegin(), text.cend(), isStandIn);
    if (first == text.cend())
        return text;
    QString out = text;
    for (qsizetype i = first - text.cbegin(); i < out.size(); ++i)
        if (isStandIn(out.at(i)))
            out[i] = QChar(escaped[out.at(i).unicode() - standInBase]);
    return out;
}

bool everyLineFeedAfterCarriageReturn(const QString &text)
{
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n') {
            if (i == 0 || text.at(i - 1) != u'\r')
                return false;
            any = true;
        }
    }
    return any;
}

} // namespace

bool isValidUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

Decoded decode(const QByteArray &bytes)
{
    Decoded result;
    QString text;
    bool utf8 = isValidUtf8(bytes);
    if (utf8) {
        result.format.byteOrderMark = bytes.startsWith("\xef\xbb\xbf");
        // QString::fromUtf8 would drop a second mark right after the first.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(QByteArrayView(bytes).sliced(result.format.byteOrderMark ? 3 : 0));
        // Text that already holds our stand-ins could not tell them apart
        // on the way back: such a file is shown byte by byte instead.
        for (const QChar c : text) {
            if (isStandIn(c)) {
                utf8 = false;
                break;
            }
        }
    }
    if (!utf8) {
        result.format.byteOrderMark = false;
        text = platform::codepage::decode(bytes);
    }
    result.format.encoding = utf8 ? Encoding::Utf8 : Encoding::Windows1252;
    if (everyLineFeedAfterCarriageReturn(text)) {
        result.format.lineEnds = LineEnds::CrLf;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    result.text = escapeText(text);
    return result;
}

QByteArray encode(const QString &text, const Format &format, Encoding *encodingUsed)
{
    QString plain = text;
    if (format.lineEnds == LineEnds::CrLf)
        plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    plain = unescapeText(plain);
    Encoding used = format.encoding;
    QByteArray bytes;
    if (used == Encoding::Windows1252) {
        bool fits = true;
        for (const QChar c : plain) {
            if (c != u'?' && platform::codepage::fromUnicode(c.unicode()) == '?') {
                fits = false;
                break;
            }
        }
        if (fits)
            bytes = platform::codepage::encode(plain);
        else
            used = Encoding::Utf8;
    }
    if (used == Encoding::Utf8)
        bytes = (format.byteOrderMark ? QByteArray("\xef\xbb\xbf") : QByteArray()) + plain.toUtf8();
    if (encodingUsed)
        *encodingUsed = used;
    return bytes;
}

} // namespace jottertext
