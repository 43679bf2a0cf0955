#include "cbugreportwizard.h"

#include "artwork.h"
#include "consolestrings.h"
#include "mailsender.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using console::consoleString;
namespace ids = console::strings;

namespace {

// A prompt with its field below it.
QPlainTextEdit *addField(QVBoxLayout *layout, const QString &prompt, const char *id, QWidget *page,
                         int lines = 3)
{
    auto *label = new QLabel(prompt, page);
    label->setWordWrap(true);
    auto *edit = new QPlainTextEdit(page);
    edit->setObjectName(QLatin1String(id));
    edit->setTabChangesFocus(true);
    // Sized by lines, so that the tallest page does not stretch the wizard.
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    label->setBuddy(edit);
    layout->addWidget(label);
    layout->addWidget(edit);
    return edit;
}

void setHeader(QWizardPage *page, int title, int subtitle)
{
    page->setTitle(consoleString(title));
    page->setSubTitle(consoleString(subtitle));
}

} // namespace

CBugReportPage1::CBugReportPage1(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("105"));
    // Only the welcome page shows the watermark; the others carry a header.
    setPixmap(QWizard::WatermarkPixmap, artwork::picture(artwork::Picture::WizardWatermark));
    auto *title =
        new QLabel(tr("Benvenuto nella creazione guidata di un rapporto sugli errori"), this);
    title->setObjectName(QStringLiteral("1018"));
    title->setWordWrap(true);
    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setPointSize(12);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);

    auto *intro = new QLabel(
        tr("Questa procedura guidata raccoglie le informazioni necessarie a descrivere un "
           "malfunzionamento di Domora e le prepara per l'invio all'autore. Saranno raccolte:"),
        this);
    intro->setWordWrap(true);

    auto *bullets = new QGridLayout;
    const int titles[] = {ids::PageConfigurationTitle, ids::PageActivityTitle, ids::PageErrorTitle,
                          ids::PageBehaviourTitle};
    for (int i = 0; i < 4; ++i) {
        // The bullets are arrows, as the symbol font drew them.
        auto *bullet = new QLabel(QStringLiteral("\u25B6"), this);
        bullet->setObjectName(QString::number(1266 + i));
        QFont small = bullet->font();
        small.setPointSizeF(small.pointSizeF() * 0.75);
        bullet->setFont(small);
        bullet->setStyleSheet(QStringLiteral("color: #1c4e8c"));
        bullets->addWidget(bullet, i, 0, Qt::AlignTop | Qt::AlignRight);
        bullets->addWidget(new QLabel(consoleString(titles[i]), this), i, 1);
    }
    bullets->setColumnStretch(1, 1);
    bullets->setHorizontalSpacing(8);

    auto *picture = new QLabel(this);
    picture->setPixmap(artwork::picture(artwork::Picture::WizardWelcome));
    auto *next = new QLabel(tr("Premi Avanti per continuare."), this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(intro);
    layout->addLayout(bullets);
    layout->addSpacing(8);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(next);
}

CBugReportPage2::CBugReportPage2(QWidget *parent)
    : QWizardPage(parent), m_info(new QPlainTextEdit(this)),
      m_omit(new QCheckBox(
          tr("&Non inviare all'autore nessuna informazione riguardante il mio computer"), this))
{
    setObjectName(QStringLiteral("106"));
    setHeader(this, ids::PageConfigurationTitle, ids::PageConfigurationSubtitle);
    m_info->setObjectName(QStringLiteral("1033"));
    m_info->setReadOnly(true);
    m_omit->setObjectName(QStringLiteral("1034"));
    auto *prompt = new QLabel(
        tr("Le seguenti informazioni sul computer aiutano l'autore a riprodurre l'errore:"), this);
    prompt->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_info, 1);
    layout->addWidget(m_omit);
}

void CBugReportPage2::setSystemInfo(const SystemInfo &info)
{
    m_text = info.text();
    m_info->setPlainText(QString(m_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_filled = true;
}

void CBugReportPage2::initializePage()
{
    if (!m_filled)
        setSystemInfo(SystemInfo::current());
}

QString CBugReportPage2::systemInfoText() const
{
    return m_text;
}

bool CBugReportPage2::omitSystemInfo() const
{
    return m_omit->isChecked();
}

CBugReportPage3::CBugReportPage3(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("107"));
    setHeader(this, ids::PageActivityTitle, ids::PageActivitySubtitle);
    auto *layout = new QVBoxLayout(this);
    activity = addField(layout,
                        tr("&Descrivere le operazioni in corso al momento dell'errore (documenti "
                           "aperti, comandi eseguiti, finestre visualizzate):"),
                        "1035", this, 14);
    layout->addStretch();
}

CBugReportPage4::CBugReportPage4(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("108"));
    setHeader(this, ids::PageErrorTitle, ids::PageErrorSubtitle);
    auto *layout = new QVBoxLayout(this);
    action = addField(
        layout, tr("&Quale combinazione di tasti, azione o funzionalità ha causato l'errore?"),
        "1032", this);
    errorMessages = addField(layout,
                             tr("&Se l'applicazione ha visualizzato un messaggio o un codice di "
                                "errore, specificarlo nel seguente campo:"),
                             "1033", this);
    repeatability = addField(
        layout,
        tr("L'errore è &ripetibile (si verifica sempre nelle medesime circostanze) oppure si "
           "manifesta in una maniera che sembra casuale? Inserire qualsiasi commento in merito."),
        "1034", this);
    layout->addStretch();
}

CBugReportPage5::CBugReportPage5(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("109"));
    setHeader(this, ids::PageBehaviourTitle, ids::PageBehaviourSubtitle);
    auto *layout = new QVBoxLayout(this);
    expected = addField(layout, tr("&Cosa avrebbe dovuto fare l'applicazione?"), "1037", this);
    actual = addField(layout, tr("C&osa ha fatto invece l'applicazione?"), "1038", this);
    comments = addField(layout, tr("&Eventuali altri commenti:"), "1039", this);
    layout->addStretch();
}

CBugReportPage6::CBugReportPage6(QWidget *parent) : QWizardPage(parent), m_privacy(new QLabel(this))
{
    setObjectName(QStringLiteral("110"));
    setHeader(this, ids::PageSummaryTitle, ids::PageSummarySubtitle);
    m_privacy->setObjectName(QStringLiteral("1036"));
    m_privacy->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_privacy);
    layout->addStretch();
}

void CBugReportPage6::initializePage()
{
    m_privacy->setText(
        tr("Le informazioni raccolte durante questa procedura guidata saranno inviate all'autore "
           "attraverso il programma di posta elettronica predefinito. Esse saranno gestite in "
           "forma completamente anonima, l'unico collegamento con l'utente sarà rappresentato dal "
           "suo indirizzo di posta elettronica (come impostato nel client di posta installato sul "
           "computer). Si assicura inoltre che non saranno memorizzate informazioni riguardanti "
           "l'utente e/o la sua configurazione hardware/software. L'indirizzo di posta non sarà "
           "divulgato a terzi e l'autore non invierà alcun tipo di materiale pubblicitario "
           "all'autore del messaggio.\n\nPremi Fine per procedere con l'invio del messaggio."));
}

CBugReportWizard::CBugReportWizard(QWidget *parent)
    : QWizard(parent), m_page2(new CBugReportPage2), m_page3(new CBugReportPage3),
      m_page4(new CBugReportPage4), m_page5(new CBugReportPage5)
{
    setWindowTitle(consoleString(ids::BugReportCaption));
    setWizardStyle(QWizard::ModernStyle);
    setPixmap(QWizard::LogoPixmap, artwork::picture(artwork::Picture::WizardHeader));
    setButtonText(QWizard::BackButton, tr("< &Indietro"));
    setButtonText(QWizard::NextButton, tr("&Avanti >"));
    setButtonText(QWizard::FinishButton, tr("Fine"));
    setButtonText(QWizard::CancelButton, tr("Annulla"));
    setOption(QWizard::NoBackButtonOnStartPage);
    addPage(new CBugReportPage1);
    addPage(m_page2);
    addPage(m_page3);
    addPage(m_page4);
    addPage(m_page5);
    addPage(new CBugReportPage6);
    resize(640, 500);
}

BugReport CBugReportWizard::report() const
{
    BugReport r;
    r.omitSystemInfo = m_page2->omitSystemInfo();
    r.systemInfo = m_page2->systemInfoText();
    r.activity = m_page3->activity->toPlainText();
    r.action = m_page4->action->toPlainText();
    r.errorMessages = m_page4->errorMessages->toPlainText();
    r.repeatability = m_page4->repeatability->toPlainText();
    r.expected = m_page5->expected->toPlainText();
    r.actual = m_page5->actual->toPlainText();
    r.comments = m_page5->comments->toPlainText();
    return r;
}

void SendBugReport(QWidget *parent)
{
    CBugReportWizard wizard(parent);
    if (platform::ui::execDialog(wizard) != QDialog::Accepted)
        return;
    const MailMessage message{QString::fromLatin1(BugReport::subject), wizard.report().text(),
                              MailSender::supportName(), MailSender::supportAddress()};
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const MailSender::Result result = MailSender::send(message);
    QApplication::restoreOverrideCursor();
    const QString failure = MailSender::failureText(result);
    if (!failure.isEmpty())
        platform::ui::messageBox(parent, failure, {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Warning);
}
