#pragma once

#include "toolkit/commandtable.h"

#include <QPlainTextEdit>

class CChildFrame;
class CJotterApp;
class CJotterDoc;
class QPrinter;

// What a search looks for and how.
struct FindOptions
{
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
    bool forward = true;
};

// The view of a document: an edit control that wraps long lines at the
// window's edge, with no horizontal scroll bar and no sideways scrolling.
// It carries out the editing, searching and printing commands and hands the
// file commands to its document.
class CJotterView : public QPlainTextEdit, public toolkit::CommandTarget
{
    Q_OBJECT

public:
    CJotterView(CJotterDoc &doc, CJotterApp &app, QWidget *parent = nullptr);
    ~CJotterView() override;

    [[nodiscard]] CJotterDoc &doc() const { return m_doc; }
    // The document window holding the view; nullptr outside one.
    [[nodiscard]] CChildFrame *childFrame() const;

    // Selects the next match after (or the previous one before) the
    // selection, going round the end of the text once. False when there is none.
    bool findText(const FindOptions &options);
    // Replaces the selection when it is a match, then selects the next match.
    // False when no further match exists.
    bool replaceSelection(const FindOptions &options, const QString &replacement);
    // Replaces every match as one undoable change; returns how many.
    int replaceAll(const FindOptions &options, const QString &replacement);

    // Prints the text, or the selection when the printer's range says so.
    // False when the printer reports an error.
    bool printTo(QPrinter &printer) const;

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    [[nodiscard]] bool selectionMatches(const FindOptions &options) const;
    void onFilePrint();
    void onFilePrintDirect();
    void onFilePrintPreview();
    void reportPrintFailure() const;

    CJotterDoc &m_doc;
    CJotterApp &m_app;
};
