#include "cstewarddialog.h"

#include "artwork.h"
#include "caboutdialog.h"
#include "consolestrings.h"
#include "platform/messagebox.h"
#include "stewardcommands.h"
#include "toolkit/menubutton.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ButtonInfo
{
    int id;
    artwork::Picture picture;
    const char *text;
};

const ButtonInfo buttonInfo[] = {
    {1000, artwork::Picture::ReportButton,
     QT_TRANSLATE_NOOP("CStewardDialog",
                       "Il rapporto sugli errori (da inviare all'autore) permette di rendere noti "
                       "i malfunzionamenti dell'applicazione, in questo modo essi potranno essere "
                       "corretti nelle prossime versioni o negli aggiornamenti gratuiti "
                       "periodici.")},
    {1001, artwork::Picture::CheckButton,
     QT_TRANSLATE_NOOP("CStewardDialog",
                       "Questo gruppo di funzionalità permettono di eseguire dei programmi "
                       "diagnostici che verifichino lo stato dell'applicazione. Alcune di queste "
                       "funzioni riparano lo stato del programma ma in generale sono strumenti di "
                       "ricerca dei problemi.")},
    {1002, artwork::Picture::ManageButton,
     QT_TRANSLATE_NOOP("CStewardDialog",
                       "Gli utenti evoluti potranno salvare differenti configurazioni del "
                       "programma oppure creare dei punti di ripristino, attivando di volta in "
                       "volta la \"versione\" più adatta. Chiudere Domora prima di eseguire queste "
                       "funzionalità.")},
    {1003, artwork::Picture::EditorsButton,
     QT_TRANSLATE_NOOP("CStewardDialog", "Strumenti per la modifica e la creazione degli stili "
                                         "predefiniti per la formattazione di stanze e muri.")},
};

} // namespace

CStewardDialog::CStewardDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Domora Management Console"));
    setObjectName(QStringLiteral("102"));
    setWindowIcon(artwork::programIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    const QList<commands::Popup> popups = commands::popups();
    for (int i = 0; i < 4; ++i) {
        const ButtonInfo &info = buttonInfo[i];
        auto *button = new toolkit::MenuButton(this);
        button->setObjectName(QString::number(info.id));
        button->setImage(artwork::picture(info.picture));
        button->setFlat(true);
        button->setToolTip(popups[i].name);
        for (const commands::Command &command : popups[i].commands)
            button->addCommand(command.id, command.text);
        // The button reports the command once its menu has closed.
        connect(button, &toolkit::MenuButton::commandChosen, this, [this](int id) {
            if (id != 0)
                emit commandChosen(id);
        });
        m_buttons.append(button);

        auto *text = new QLabel(tr(info.text), this);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(button, i, 0, Qt::AlignTop);
        grid->addWidget(text, i, 1);
    }
    grid->setColumnStretch(1, 1);

    auto *note = new QLabel(tr("Alcune modifiche all'applicazione potranno essere applicate solo "
                               "se Domora NON è in esecuzione. Chiudere l'applicazione per "
                               "ripristinare le copie di riserva o caricare una configurazione."),
                            this);
    note->setWordWrap(true);
    QFont italic = note->font();
    italic.setItalic(true);
    note->setFont(italic);

    auto *about = new QToolButton(this);
    about->setObjectName(QStringLiteral("about"));
    about->setText(QStringLiteral("?"));
    about->setToolTip(
        QString(console::consoleString(console::strings::AboutMenuItem)).remove(u'&'));
    about->setAutoRaise(true);
    connect(about, &QToolButton::clicked, this, &CStewardDialog::showAbout);
    auto *exit = new QPushButton(tr("&Esci"), this);
    exit->setObjectName(QStringLiteral("1"));
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(about);
    bottom->addStretch();
    bottom->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 84, 20, 16);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(note);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(600, 560);
}

toolkit::MenuButton *CStewardDialog::button(int buttonId) const
{
    for (toolkit::MenuButton *b : m_buttons) {
        if (b->objectName() == QString::number(buttonId))
            return b;
    }
    return nullptr;
}

void CStewardDialog::showAbout()
{
    CAboutDialog about(this);
    platform::ui::execDialog(about);
}

void CStewardDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_background.size() != size())
        m_background = artwork::background(size());
    p.drawPixmap(0, 0, m_background);
}

void CStewardDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_background = QPixmap();
}

void CStewardDialog::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *about = menu.addAction(console::consoleString(console::strings::AboutMenuItem));
    connect(about, &QAction::triggered, this, &CStewardDialog::showAbout, Qt::QueuedConnection);
    menu.exec(event->globalPos());
}
