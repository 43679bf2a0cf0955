#include "notepad/findreplacedialog.h"

#include "notepad/cmainframe.h"
#include "notepad/jotterstrings.h"

#include "platform/messagebox.h"
#include "toolkit/statusbar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindReplaceDialog::FindReplaceDialog(CMainFrame &frame)
    : QDialog(&frame), m_frame(frame), m_findEdit(new QLineEdit(this)),
      m_replaceLabel(new QLabel(QStringLiteral("&Sostituisci con:"), this)),
      m_replaceEdit(new QLineEdit(this)),
      m_wholeWord(new QCheckBox(QStringLiteral("Solo parole &intere"), this)),
      m_matchCase(new QCheckBox(QStringLiteral("&Maiuscole/minuscole"), this)),
      m_direction(new QGroupBox(QStringLiteral("Direzione"), this)),
      m_up(new QRadioButton(QStringLiteral("S&u"), m_direction)),
      m_down(new QRadioButton(QStringLiteral("&Giù"), m_direction)),
      m_findButton(new QPushButton(QStringLiteral("&Trova successivo"), this)),
      m_replaceButton(new QPushButton(QStringLiteral("&Sostituisci"), this)),
      m_replaceAllButton(new QPushButton(QStringLiteral("Sostituisci t&utto"), this))
{
    setObjectName(QStringLiteral("FindReplaceDialog"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *findLabel = new QLabel(QStringLiteral("T&rova:"), this);
    findLabel->setBuddy(m_findEdit);
    m_replaceLabel->setBuddy(m_replaceEdit);
    m_down->setChecked(true);
    auto *directionLayout = new QHBoxLayout(m_direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findEdit, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceEdit, 1, 1);
    auto *options = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    checks->addStretch();
    options->addLayout(checks);
    options->addWidget(m_direction);
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findButton);
    buttons->addWidget(m_replaceButton);
    buttons->addWidget(m_replaceAllButton);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    m_findButton->setDefault(true);
    connect(m_findButton, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &FindReplaceDialog::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_findEdit, &QLineEdit::textChanged, this, &FindReplaceDialog::updateButtons);
    updateButtons();
}

void FindReplaceDialog::start(bool replace, const QString &text)
{
    m_replaceMode = replace;
    setWindowTitle(replace ? QStringLiteral("Sostituisci") : QStringLiteral("Trova"));
    m_replaceLabel->setVisible(replace);
    m_replaceEdit->setVisible(replace);
    m_replaceButton->setVisible(replace);
    m_replaceAllButton->setVisible(replace);
    // The replace form always searches downwards.
    m_direction->setVisible(!replace);
    if (!text.isEmpty())
        m_findEdit->setText(text);
    adjustSize();
    show();
    raise();
    activateWindow();
    m_findEdit->setFocus();
    m_findEdit->selectAll();
    updateButtons();
}

FindOptions FindReplaceDialog::options() const
{
    FindOptions o;
    o.text = m_findEdit->text();
    o.matchCase = m_matchCase->isChecked();
    o.wholeWord = m_wholeWord->isChecked();
    o.forward = m_replaceMode || !m_up->isChecked();
    return o;
}

QString FindReplaceDialog::replacement() const
{
    return m_replaceEdit->text();
}

void FindReplaceDialog::updateButtons()
{
    const bool any = !m_findEdit->text().isEmpty();
    m_findButton->setEnabled(any);
    m_replaceButton->setEnabled(any);
    m_replaceAllButton->setEnabled(any);
}

void FindReplaceDialog::notFound()
{
    platform::ui::information(
        this, jotterstrings::text(jotterstrings::TextNotFound).arg(m_findEdit->text()));
}

void FindReplaceDialog::findNext()
{
    CJotterView *view = m_frame.activeView();
    if (view && !view->findText(options()))
        notFound();
}

void FindReplaceDialog::replace()
{
    CJotterView *view = m_frame.activeView();
    if (view && !view->replaceSelection(options(), replacement()))
        notFound();
}

void FindReplaceDialog::replaceAll()
{
    CJotterView *view = m_frame.activeView();
    if (!view)
        return;
    const int count = view->replaceAll(options(), replacement());
    if (count == 0) {
        notFound();
        return;
    }
    if (toolkit::StatusBar *status = m_frame.toolkitStatusBar())
        status->showMessage(count == 1 ? QStringLiteral("Effettuata 1 sostituzione.")
                                       : QStringLiteral("Effettuate %1 sostituzioni.").arg(count),
                            5000);
}
