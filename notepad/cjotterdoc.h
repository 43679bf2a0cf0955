#pragma once

#include "notepad/jottertext.h"

#include "toolkit/commandtable.h"

#include <QList>
#include <QObject>
#include <QString>

class CJotterApp;
class CJotterView;
class QTextDocument;

// A text document: the text every view of it shows, the file it came from
// and the encoding and line ends it is written back with. The whole file is
// the text: no header, nothing added, nothing converted that does not come
// back on saving.
class CJotterDoc : public QObject, public toolkit::CommandTarget
{
    Q_OBJECT

public:
    // `untitledTitle` names the document until it is saved ("Documento1").
    CJotterDoc(CJotterApp &app, const QString &untitledTitle, QObject *parent = nullptr);
    ~CJotterDoc() override;

    // The text shared by the views; its layout suits QPlainTextEdit.
    [[nodiscard]] QTextDocument *textDocument() const { return m_text; }
    // The file, empty until the document is opened or saved.
    [[nodiscard]] QString pathName() const { return m_pathName; }
    // The file's name, or the untitled name.
    [[nodiscard]] QString title() const { return m_title; }
    [[nodiscard]] jottertext::Format format() const { return m_format; }

    [[nodiscard]] bool isModified() const;
    void setModified(bool modified);

    // The text as the views hold it, lines separated by '\n'.
    [[nodiscard]] QString text() const;
    // Replaces the whole text; the undo history starts again.
    void setText(const QString &text);

    // Reads a file into the document; on failure the document is unchanged
    // and the reason is in `errorString`.
    bool readFile(const QString &path, QString *errorString);
    // The bytes saving would write, and the encoding they are in: text that
    // the file's code page cannot hold is written as UTF-8.
    [[nodiscard]] QByteArray fileBytes(jottertext::Encoding *encodingUsed = nullptr) const;
    // Writes the file without asking anything; the document takes the name
    // and becomes unmodified.
    bool writeFile(const QString &path, QString *errorString);

    // The commands, with their questions and messages.
    bool save();   // "Salva": "Salva con nome" when the document has no file yet
    bool saveAs(); // asks for a name
    bool saveTo(const QString &path);
    // Asks whether to save a modified document; false when the user cancels
    // or the save fails.
    bool saveModified();
    // Mails the document as an attachment; false when that could not start.
    bool sendMail();

    // The views showing the document, in the order they were opened.
    [[nodiscard]] QList<CJotterView *> views() const { return m_views; }
    void addView(CJotterView *view);
    void removeView(CJotterView *view);

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

signals:
    void titleChanged();
    void modificationChanged(bool modified);
    // The last view has gone; the document is about to be deleted.
    void closed();

private:
    void setPathName(const QString &path);
    bool writeBytes(const QString &path, const QByteArray &bytes, jottertext::Encoding used,
                    QString *errorString);

    CJotterApp &m_app;
    QTextDocument *m_text;
    QString m_pathName;
    QString m_title;
    jottertext::Format m_format;
    QList<CJotterView *> m_views;
};
