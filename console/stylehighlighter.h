#pragma once

#include <QSyntaxHighlighter>

// Applies the style editor's colouring to a text document. The colours are
// formats on top of the text, so recolouring neither changes the text nor
// reaches the undo history.
class StyleHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit StyleHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;
};
