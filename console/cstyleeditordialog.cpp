#include "cstyleeditordialog.h"

#include "artwork.h"
#include "cfinddialog.h"
#include "filedialogs.h"
#include "platform/messagebox.h"
#include "stylehighlighter.h"
#include "stylelibraryfile.h"
#include "styletemplates.h"
#include "toolkit/colorbutton.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Texture files chosen in this run, newest first.
QStringList &fileHistory()
{
    static QStringList history;
    return history;
}

QToolButton *imageButton(artwork::EditIcon icon, const char *id, const QString &tip,
                         QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setIcon(artwork::editIcon(icon));
    b->setIconSize(QSize(20, 20));
    b->setObjectName(QLatin1String(id));
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

CStyleEditorDialog::CStyleEditorDialog(const QString &filePath, const QString &text,
                                       styles::LibraryKind kind, QWidget *parent)
    : QDialog(parent), m_filePath(filePath), m_loadedText(text), m_kind(kind),
      m_editor(new QPlainTextEdit(this)), m_lineCounter(new QLabel(tr("Linea: 1/1"), this)),
      m_lineField(new QLineEdit(this)), m_fill(new QComboBox(this)), m_pattern(new QComboBox(this)),
      m_colour(new toolkit::ColorButton(this)), m_files(new QComboBox(this))
{
    setWindowTitle(tr("Editor di stili"));
    setObjectName(QStringLiteral("138"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    m_editor->setObjectName(QStringLiteral("1040"));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::Monospace);
    m_editor->setFont(font);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    m_editor->setPalette(palette);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tabs every eight columns: the library layout aligns tabs with spaces.
    m_editor->setTabStopDistance(QFontMetricsF(m_editor->font()).horizontalAdvance(u' ') * 8);
    m_editor->setPlainText(text);
    new StyleHighlighter(m_editor->document());
    m_lineCounter->setObjectName(QStringLiteral("1042"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *saveButton = buttons->addButton(tr("&Salva"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("1"));
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(saveButton, &QPushButton::clicked, this, &CStyleEditorDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_lineCounter, 1);
    bottom->addWidget(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildToolRow());
    layout->addWidget(m_editor, 1);
    layout->addWidget(buildChooserRow());
    layout->addLayout(bottom);

    connect(m_editor, &QPlainTextEdit::textChanged, this, &CStyleEditorDialog::updateLineCounter);
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
            &CStyleEditorDialog::updateLineCounter);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this,
            &CStyleEditorDialog::updateEditButtons);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CStyleEditorDialog::updateEditButtons);
    updateEditButtons();

    resize(820, 600);
    setMinimumSize(size());
    m_editor->setFocus();
}

QWidget *CStyleEditorDialog::buildToolRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_cut = imageButton(artwork::EditIcon::Cut, "1048", tr("Taglia"), row);
    m_copy = imageButton(artwork::EditIcon::Copy, "1045", tr("Copia"), row);
    m_paste = imageButton(artwork::EditIcon::Paste, "1046", tr("Incolla"), row);
    m_delete = imageButton(artwork::EditIcon::Delete, "1047", tr("Elimina"), row);
    QToolButton *revertButton =
        imageButton(artwork::EditIcon::Revert, "1049", tr("Ripristina il testo caricato"), row);
    QToolButton *findButton = imageButton(artwork::EditIcon::Find, "1031", tr("Cerca"), row);
    connect(m_cut, &QToolButton::clicked, m_editor, &QPlainTextEdit::cut);
    connect(m_copy, &QToolButton::clicked, m_editor, &QPlainTextEdit::copy);
    connect(m_paste, &QToolButton::clicked, m_editor, &QPlainTextEdit::paste);
    connect(m_delete, &QToolButton::clicked, this,
            [this] { m_editor->textCursor().removeSelectedText(); });
    connect(revertButton, &QToolButton::clicked, this, &CStyleEditorDialog::revert);
    connect(findButton, &QToolButton::clicked, this, &CStyleEditorDialog::find);
    for (QToolButton *b : {m_cut, m_copy, m_paste, m_delete})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addWidget(revertButton);
    layout->addWidget(findButton);
    layout->addSpacing(12);

    const auto templateButton = [this, row, layout](const QString &text, const char *id,
                                                    void (CStyleEditorDialog::*slot)()) {
        auto *b = new QPushButton(text, row);
        b->setObjectName(QLatin1String(id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b);
        return b;
    };
    templateButton(tr("<&header>"), "3", &CStyleEditorDialog::insertHeader);
    templateButton(tr("<s&tyle>"), "4", &CStyleEditorDialog::insertStyle);
    templateButton(tr("<&brush>"), "5", &CStyleEditorDialog::insertBrush);
    m_room = templateButton(tr("<&room>"), "1013", &CStyleEditorDialog::insertRoom);
    m_room->setEnabled(m_kind == styles::LibraryKind::Rooms);
    layout->addStretch();

    auto *lineLabel = new QLabel(tr("&Vai a:"), row);
    lineLabel->setBuddy(m_lineField);
    m_lineField->setObjectName(QStringLiteral("1051"));
    m_lineField->setMaximumWidth(140);
    m_lineField->setToolTip(tr("Numero della linea o parola da cercare"));
    auto *go = new QPushButton(tr("->"), row);
    go->setObjectName(QStringLiteral("1032"));
    go->setAutoDefault(false);
    go->setFixedWidth(go->fontMetrics().horizontalAdvance(QStringLiteral("->")) + 20);
    connect(go, &QPushButton::clicked, this, &CStyleEditorDialog::goToLineOrWord);
    connect(m_lineField, &QLineEdit::returnPressed, this, &CStyleEditorDialog::goToLineOrWord);
    layout->addWidget(lineLabel);
    layout->addWidget(m_lineField);
    layout->addWidget(go);
    return row;
}

QWidget *CStyleEditorDialog::buildChooserRow()
{
    auto *row = new QWidget(this);
    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);

    m_fill->setObjectName(QStringLiteral("1008"));
    m_fill->addItems(styletemplates::fillNames());
    m_fill->setCurrentIndex(-1);
    connect(m_fill, &QComboBox::activated, this,
            [this](int index) { insertText(styletemplates::fillText(index)); });

    m_pattern->setObjectName(QStringLiteral("1006"));
    for (const char *name : styletemplates::hatchNames())
        m_pattern->addItem(tr(name));
    m_pattern->setCurrentIndex(-1);
    m_pattern->setMaxVisibleItems(20);
    connect(m_pattern, &QComboBox::activated, this,
            [this](int index) { insertText(styletemplates::patternText(index)); });

    m_colour->setObjectName(QStringLiteral("1004"));
    QList<QColor> palette;
    for (const auto &c : styletemplates::palette()) {
        const QColor colour(c.red, c.green, c.blue);
        palette.append(colour);
        toolkit::ColorButton::setColorName(colour, tr(c.name));
    }
    m_colour->setColors(palette);
    m_colour->setColumnsNumber(styletemplates::paletteColumns);
    m_colour->enableOtherButton(tr("Altri colori..."));
    const auto &documentColours = styletemplates::documentColours();
    m_colour->setDocumentColors(styletemplates::documentColoursTitle(),
                                QList<QColor>(documentColours.begin(), documentColours.end()));
    m_colour->enableAutomaticButton(tr("Automatico"), Qt::black);
    connect(m_colour, &toolkit::ColorButton::colorChosen, this, [this](const QColor &c) {
        // An invalid colour is the automatic one.
        insertText(styletemplates::colourText(c.isValid() ? c : m_colour->automaticColor()));
    });

    m_files->setObjectName(QStringLiteral("1044"));
    m_files->addItems(fileHistory());
    m_files->setCurrentIndex(-1);
    m_files->setMinimumContentsLength(24);
    m_files->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_files, &QComboBox::activated, this,
            [this](int index) { insertText(m_files->itemText(index)); });
    auto *browse = new QPushButton(tr("&..."), row);
    browse->setObjectName(QStringLiteral("1012"));
    browse->setAutoDefault(false);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = filedialogs::chooseOpenFile(
            this, {tr("Apri"), QString(), tr("Tutti i tipi di file (*)"), QString()});
        if (path.isEmpty())
            return;
        fileHistory().removeAll(path);
        fileHistory().prepend(path);
        m_files->clear();
        m_files->addItems(fileHistory());
        m_files->setCurrentIndex(0);
        insertText(path);
    });

    const auto label = [row](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, row);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("Rie&mpimento:"), m_fill), 0, 0);
    grid->addWidget(m_fill, 0, 1);
    grid->addWidget(label(tr("M&otivo:"), m_pattern), 0, 2);
    grid->addWidget(m_pattern, 0, 3);
    grid->addWidget(label(tr("&Colore:"), m_colour), 0, 4);
    grid->addWidget(m_colour, 0, 5);
    grid->addWidget(label(tr("&File:"), m_files), 1, 0);
    grid->addWidget(m_files, 1, 1, 1, 4);
    grid->addWidget(browse, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    return row;
}

QString CStyleEditorDialog::text() const
{
    return m_editor->toPlainText();
}

QString CStyleEditorDialog::lineCounterText() const
{
    return m_lineCounter->text();
}

void CStyleEditorDialog::insertText(const QString &text)
{
    m_editor->textCursor().insertText(text);
    m_editor->setFocus();
}

void CStyleEditorDialog::insertHeader()
{
    // The header goes in front of the whole text, wherever the caret is.
    QTextCursor cursor(m_editor->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(styletemplates::header(m_kind));
    m_editor->setFocus();
}

void CStyleEditorDialog::insertStyle()
{
    insertText(styletemplates::style(m_kind));
}

void CStyleEditorDialog::insertBrush()
{
    insertText(styletemplates::brush());
}

void CStyleEditorDialog::insertRoom()
{
    insertText(styletemplates::room());
}

void CStyleEditorDialog::revert()
{
    QTextCursor cursor(m_editor->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(m_loadedText); // one step the user can undo
    m_editor->setFocus();
}

void CStyleEditorDialog::goToLineOrWord()
{
    const QString field = m_lineField->text();
    if (const auto line = styletemplates::lineFieldTarget(field, m_editor->blockCount())) {
        const QTextBlock block = m_editor->document()->findBlockByNumber(*line);
        QTextCursor cursor(block);
        m_editor->setTextCursor(cursor);
        m_editor->centerCursor();
        m_editor->setFocus();
        return;
    }
    if (!field.isEmpty())
        search(field, true, true, false);
}

void CStyleEditorDialog::find()
{
    QString initial = m_editor->textCursor().selectedText();
    if (initial.isEmpty() || initial.contains(QChar::ParagraphSeparator))
        initial = m_lastSearch;
    CFindDialog dialog(initial, this);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.text().isEmpty())
        return;
    m_lastSearch = dialog.text();
    search(dialog.text(), dialog.matchCase(), dialog.wholeWords(), dialog.fromStart());
}

bool CStyleEditorDialog::search(const QString &text, bool matchCase, bool wholeWords,
                                bool fromStart)
{
    QTextDocument::FindFlags flags;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (wholeWords)
        flags |= QTextDocument::FindWholeWords;
    const QTextCursor previous = m_editor->textCursor();
    QTextCursor from = previous;
    if (fromStart)
        from.movePosition(QTextCursor::Start);
    const QTextCursor hit = m_editor->document()->find(text, from, flags);
    if (hit.isNull()) {
        m_editor->setTextCursor(previous);
        QApplication::beep();
        return false;
    }
    m_editor->setTextCursor(hit);
    m_editor->setFocus();
    return true;
}

void CStyleEditorDialog::save()
{
    const QString message = stylelibraryfile::save(m_filePath, text());
    if (!message.isEmpty()) {
        platform::ui::messageBox(this, message, {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Warning);
        return;
    }
    accept();
}

void CStyleEditorDialog::updateLineCounter()
{
    // The count leaves out the empty line after a final line end, unless
    // the caret stands on it.
    const QTextDocument *document = m_editor->document();
    const int caretLine = m_editor->textCursor().blockNumber() + 1;
    int lines = document->blockCount();
    if (lines > 1 && document->lastBlock().text().isEmpty())
        --lines;
    m_lineCounter->setText(tr("Linea: %1 di %2").arg(caretLine).arg(qMax(lines, caretLine)));
}

void CStyleEditorDialog::updateEditButtons()
{
    const bool selection = m_editor->textCursor().hasSelection();
    m_cut->setEnabled(selection);
    m_copy->setEnabled(selection);
    m_delete->setEnabled(selection);
    m_paste->setEnabled(m_editor->canPaste());
}

void EditStyleLibrary(QWidget *parent, const QString &fileName, bool isWalls)
{
    const stylelibraryfile::Loaded loaded = stylelibraryfile::load(fileName);
    if (!loaded.ok()) {
        platform::ui::messageBox(parent, loaded.message, {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Warning);
        return;
    }
    CStyleEditorDialog dialog(fileName, loaded.text,
                              isWalls ? styles::LibraryKind::Walls : styles::LibraryKind::Rooms,
                              parent);
    platform::ui::execDialog(dialog);
}
