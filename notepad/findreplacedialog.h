#pragma once

#include "notepad/cjotterview.h"

#include <QDialog>

class CMainFrame;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless "Cerca" and "Sostituisci" dialog of the main window. It works
// on whichever document window is active and keeps what was last searched.
class FindReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindReplaceDialog(CMainFrame &frame);

    // Shows the dialog in its find or replace form, with `text` to look for
    // when it is not empty.
    void start(bool replace, const QString &text);
    [[nodiscard]] bool isReplaceMode() const { return m_replaceMode; }

    [[nodiscard]] FindOptions options() const;
    [[nodiscard]] QString replacement() const;

    // The buttons; a search that finds nothing says so.
    void findNext();
    void replace();
    void replaceAll();

    [[nodiscard]] QLineEdit *findEdit() const { return m_findEdit; }
    [[nodiscard]] QLineEdit *replaceEdit() const { return m_replaceEdit; }
    [[nodiscard]] QCheckBox *wholeWordBox() const { return m_wholeWord; }
    [[nodiscard]] QCheckBox *matchCaseBox() const { return m_matchCase; }
    [[nodiscard]] QRadioButton *upButton() const { return m_up; }

private:
    void updateButtons();
    void notFound();

    CMainFrame &m_frame;
    bool m_replaceMode = false;
    QLineEdit *m_findEdit;
    QLabel *m_replaceLabel;
    QLineEdit *m_replaceEdit;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QGroupBox *m_direction;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QPushButton *m_findButton;
    QPushButton *m_replaceButton;
    QPushButton *m_replaceAllButton;
};
