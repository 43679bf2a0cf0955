#include "colortext.h"

#include "colorconvert.h"
#include "platform/codepage.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace colourpicker {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Index of the first character that is not a space, tab or line break.
qsizetype skipSpace(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' ||
                               text[i] == u'\r' || text[i] == u'\v' || text[i] == u'\f'))
        ++i;
    return i;
}

qsizetype skipSign(const QString &text, qsizetype i)
{
    return i < text.size() && (text[i] == u'+' || text[i] == u'-') ? i + 1 : i;
}

qsizetype skipDigits(const QString &text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

} // namespace

int leadingInteger(const QString &text)
{
    qsizetype i = skipSpace(text);
    const bool negative = i < text.size() && text[i] == u'-';
    i = skipSign(text, i);
    long long magnitude = 0;
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && isDigit(text[i]); ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i].unicode() - u'0'));
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

double leadingReal(const QString &text)
{
    const qsizetype start = skipSpace(text);
    const qsizetype afterSign = skipSign(text, start);
    const qsizetype afterInteger = skipDigits(text, afterSign);
    qsizetype end = afterInteger;
    bool hasDigits = afterInteger > afterSign;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype afterFraction = skipDigits(text, end + 1);
        hasDigits = hasDigits || afterFraction > end + 1;
        end = afterFraction;
    }
    if (!hasDigits)
        return 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        const qsizetype exponentDigits = skipSign(text, end + 1);
        const qsizetype afterExponent = skipDigits(text, exponentDigits);
        if (afterExponent > exponentDigits)
            end = afterExponent;
    }
    QString number = text.mid(start, end - start);
    // "5." and ".5" are numbers too; give the parser the digits it expects.
    if (number.endsWith(u'.'))
        number += u'0';
    const qsizetype point = number.indexOf(u'.');
    if (point >= 0 && (point == 0 || !isDigit(number[point - 1])))
        number.insert(point, u'0');
    // An overflow comes back as an infinity and an underflow as 0; both are
    // clamped by the callers.
    return number.toDouble();
}

COLORREF colorFromRgbTexts(const QString &red, const QString &green, const QString &blue)
{
    const auto byte = [](const QString &text) { return std::clamp(leadingInteger(text), 0, 255); };
    return makeColorRef(byte(red), byte(green), byte(blue));
}

COLORREF colorFromHsvTexts(const QString &hue, const QString &saturation, const QString &value)
{
    const auto fraction = [](const QString &text) {
        return std::clamp(leadingReal(text) * 0.01, 0.0, 1.0);
    };
    const double h = std::clamp(leadingReal(hue), 0.0, 359.0);
    return HsvToRgb(h, fraction(saturation), fraction(value));
}

COLORREF colorFromHexText(const QString &text)
{
    const QByteArray bytes = platform::codepage::encode(text).toUpper();
    if (bytes.size() != 7 || bytes[0] != '#')
        return 0;
    const auto digit = [](char c) {
        const int code = static_cast<unsigned char>(c);
        return code <= 0x40 ? code - 48 : code - 55;
    };
    const auto byteAt = [&](int i) { return (digit(bytes[i]) * 16 + digit(bytes[i + 1])) & 0xFF; };
    return makeColorRef(byteAt(1), byteAt(3), byteAt(5));
}

EditBoxTexts editBoxTexts(COLORREF color)
{
    const Hsv hsv = RgbToHsv(color);
    EditBoxTexts texts;
    texts.red = QString::number(redOf(color));
    texts.green = QString::number(greenOf(color));
    texts.blue = QString::number(blueOf(color));
    texts.hue = QString::asprintf("%f", hsv.h);
    texts.saturation = QString::number(static_cast<int>(hsv.s * 100));
    texts.value = QString::number(static_cast<int>(hsv.v * 100));
    texts.hex =
        QString::asprintf("#%.2x%.2x%.2x", redOf(color), greenOf(color), blueOf(color)).toUpper();
    return texts;
}

QString chosenColorMessage(COLORREF color)
{
    return QStringLiteral("(R-%1,G-%2,B-%3)")
        .arg(redOf(color))
        .arg(greenOf(color))
        .arg(blueOf(color));
}

} // namespace colourpicker
