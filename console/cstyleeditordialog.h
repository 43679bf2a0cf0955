#pragma once

#include "styles/stylelibrary.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace toolkit {
class ColorButton;
}

// "Editor di stili": a text editor for one style library that colours the
// syntax, inserts the library's blocks, colour values, fill and pattern
// codes and file paths, and shows the caret's line. "&Salva" writes the
// file and closes; a failed save keeps the dialog and the text.
class CStyleEditorDialog : public QDialog
{
    Q_OBJECT

public:
    CStyleEditorDialog(const QString &filePath, const QString &text, styles::LibraryKind kind,
                       QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    [[nodiscard]] QPlainTextEdit *editor() const { return m_editor; }
    [[nodiscard]] QString lineCounterText() const;

    // The editing commands, as their buttons run them.
    void insertHeader();
    void insertStyle();
    void insertBrush();
    void insertRoom();
    void insertText(const QString &text);
    void revert();
    void goToLineOrWord();
    void find();
    void save();

private:
    QWidget *buildToolRow();
    QWidget *buildChooserRow();
    void updateLineCounter();
    void updateEditButtons();
    // Searches forwards from the caret; a miss keeps the selection as it was.
    bool search(const QString &text, bool matchCase, bool wholeWords, bool fromStart);

    QString m_filePath;
    QString m_loadedText;
    styles::LibraryKind m_kind;
    QPlainTextEdit *m_editor;
    QLabel *m_lineCounter;
    QLineEdit *m_lineField;
    QComboBox *m_fill;
    QComboBox *m_pattern;
    toolkit::ColorButton *m_colour;
    QComboBox *m_files;
    QToolButton *m_cut = nullptr;
    QToolButton *m_copy = nullptr;
    QToolButton *m_paste = nullptr;
    QToolButton *m_delete = nullptr;
    QPushButton *m_room = nullptr;
    QString m_lastSearch;
};

// Loads the library by its name in the current directory, shows the editor
// and saves on "&Salva". A library that cannot be read shows its message
// and no editor.
void EditStyleLibrary(QWidget *parent, const QString &fileName, bool isWalls);
