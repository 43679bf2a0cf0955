#include "stylehighlighter.h"

#include "stylesyntax.h"

namespace {

// Block state: 1 while a "/*" comment is open at the block's end.
constexpr int inCommentState = 1;

} // namespace

StyleHighlighter::StyleHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
{
}

void StyleHighlighter::highlightBlock(const QString &text)
{
    bool inComment = previousBlockState() == inCommentState;
    for (const stylesyntax::Span &span : stylesyntax::lineSpans(text, inComment)) {
        QTextCharFormat format;
        format.setForeground(stylesyntax::colour(span.kind));
        setFormat(span.start, span.length, format);
    }
    setCurrentBlockState(inComment ? inCommentState : 0);
}
