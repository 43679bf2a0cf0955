#include "textlayout.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace graphics {

namespace {

constexpr QChar zeroWidthNonJoiner(0x200C);
const QString ellipsis(QChar(0x2026));

// A zero-width non-joiner between letters keeps the shaper from forming
// ligatures without changing what is shown.
QString withoutLigatures(const QString &text)
{
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        out += text[i];
        if (i + 1 < text.size() && text[i].isLetter() && text[i + 1].isLetter() &&
            !text[i].isHighSurrogate())
            out += zeroWidthNonJoiner;
    }
    return out;
}

QString chopTrailingSpaces(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

// The longest prefix of text (ending at a word boundary when `atWord`) that
// together with `suffix` is no wider than width.
QString fittingPrefix(const QString &text, const QString &suffix, double width,
                      const QFontMetricsF &fm, bool atWord)
{
    auto fits = [&](qsizetype n) {
        return fm.horizontalAdvance(chopTrailingSpaces(text.left(n)) + suffix) <= width;
    };
    qsizetype lo = 0, hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    if (atWord && lo < text.size()) {
        qsizetype cut = lo;
        while (cut > 0 && !text[cut].isSpace())
            --cut;
        if (cut > 0)
            lo = cut;
    }
    if (lo == 0 && !fits(0))
        return {};
    return chopTrailingSpaces(text.left(lo)) + suffix;
}

QString trimToWidth(const QString &text, double width, const QFontMetricsF &fm,
                    StringTrimming trimming)
{
    switch (trimming) {
    case StringTrimming::None:
        return text;
    case StringTrimming::Character:
        return fittingPrefix(text, {}, width, fm, false);
    case StringTrimming::Word:
        return fittingPrefix(text, {}, width, fm, true);
    case StringTrimming::EllipsisCharacter:
        return fittingPrefix(text, ellipsis, width, fm, false);
    case StringTrimming::EllipsisWord:
        return fittingPrefix(text, ellipsis, width, fm, true);
    case StringTrimming::EllipsisPath:
        return fm.elidedText(text, Qt::ElideMiddle, width);
    }
    return text;
}

double aligned(StringAlignment alignment, double room, double used)
{
    switch (alignment) {
    case StringAlignment::Near:
        return 0.0;
    case StringAlignment::Center:
        return (room - used) / 2.0;
    case StringAlignment::Far:
        return room - used;
    }
    return 0.0;
}

std::vector<QString> breakLines(const QString &text, const QFont &font, double width)
{
    std::vector<QString> lines;
    QString plain = text;
    plain.remove(QChar('\r'));
    for (const QString &paragraph : plain.split(QChar('\n'))) {
        if (width <= 0 || paragraph.isEmpty()) {
            lines.push_back(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.push_back(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

TextLayout layoutText(const QString &text, const Font &font, QSizeF sizeWorld,
                      const StringFormat &format)
{
    QFont qfont = font.referenceFont();
    if (format.noKerning)
        qfont.setKerning(false);
    const QFontMetricsF fm(qfont);
    const double scale = font.scale() > 0 ? font.scale() : 1.0;
    const double width = sizeWorld.width() > 0 ? sizeWorld.width() / scale : 0.0;
    const double height = sizeWorld.height() > 0 ? sizeWorld.height() / scale : 0.0;
    const double spacing = font.referenceLineSpacing();

    const QString source = format.noLigatures ? withoutLigatures(text) : text;
    std::vector<QString> lines = breakLines(source, qfont, format.noWrap ? 0.0 : width);

    TextLayout result;
    double widest = 0.0;
    for (QString &line : lines) {
        line = chopTrailingSpaces(line);
        widest = std::max(widest, fm.horizontalAdvance(line));
    }
    result.naturalSize = QSizeF(widest * scale, lines.size() * spacing * scale);

    size_t visible = lines.size();
    if (height > 0 && lines.size() * spacing > height + 1e-9) {
        result.overflows = true;
        if (format.trimming == StringTrimming::None) {
            visible = std::min(lines.size(), static_cast<size_t>(std::ceil(height / spacing)));
        } else {
            visible = static_cast<size_t>(std::floor(height / spacing + 1e-9));
            if (visible > 0) {
                // The last line that fits carries on with the text that does not.
                QString rest;
                for (size_t i = visible - 1; i < lines.size(); ++i)
                    rest += (rest.isEmpty() ? QString() : QStringLiteral(" ")) + lines[i];
                lines[visible - 1] =
                    width > 0 ? trimToWidth(rest, width, fm, format.trimming) : lines[visible - 1];
            }
        }
    }
    lines.resize(visible);

    if (width > 0) {
        for (QString &line : lines) {
            if (fm.horizontalAdvance(line) <= width + 1e-9)
                continue;
            result.overflows = true;
            if (format.trimming != StringTrimming::None)
                line = trimToWidth(line, width, fm, format.trimming);
        }
    }

    const double block = static_cast<double>(lines.size()) * spacing;
    const double top = aligned(format.lineAlignment, height, block);
    if (height > 0 && top < 0)
        result.overflows = true;
    result.lines.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        TextLayout::Line out;
        out.text = lines[i];
        out.width = fm.horizontalAdvance(lines[i]);
        out.x = aligned(format.alignment, width, out.width);
        out.baseline = top + static_cast<double>(i) * spacing + font.referenceAscent();
        result.lines.push_back(std::move(out));
    }
    return result;
}

} // namespace graphics
