#pragma once

#include <QColor>
#include <QStringView>

#include <vector>

// The style-library editor's colouring. Comments run from "//" to the end
// of the line or from "/*" to "*/"; strings are in double or single quotes,
// a backslash escaping the next character, and end at their closing quote
// or the line's end. In the remaining text three keyword lists are
// coloured: the tags, the header and style keys, the brush keys. Each list
// is split at its commas and every piece, spaces included, is one keyword;
// a keyword counts where it occurs exactly (case-sensitive) with a
// delimiter, white space or punctuation, or the line's edge on either side.
// Keywords of later lists replace equal ones of earlier lists.
namespace stylesyntax {

enum class Kind
{
    Plain,
    Comment,
    String,
    Tag,
    HeaderKey,
    BrushKey
};

[[nodiscard]] QColor colour(Kind kind);

struct Span
{
    int start;
    int length;
    Kind kind;
};

// The coloured spans of one line (without its line end); text outside every
// span is plain. `inComment` says whether a "/*" comment is open at the
// line's start and is updated for the next line.
[[nodiscard]] std::vector<Span> lineSpans(QStringView line, bool &inComment);
// The spans of a whole text with "\n" line ends, offsets into the text.
[[nodiscard]] std::vector<Span> textSpans(QStringView text);

} // namespace stylesyntax
