#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Cerca": the text to find and how.
class CFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CFindDialog(const QString &initialText, QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    [[nodiscard]] bool matchCase() const;
    [[nodiscard]] bool wholeWords() const;
    [[nodiscard]] bool fromStart() const;

private:
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWords;
    QCheckBox *m_fromStart;
};
