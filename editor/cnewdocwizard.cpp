#include "editor/cnewdocwizard.h"

#include "editor/cscalecalcdlg.h"
#include "editor/editoroptions.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

const QString settings = QStringLiteral("Settings");

// The tall picture beside the welcome page: a plan being drawn.
QPixmap watermark()
{
    QPixmap pixmap(164, 314);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 314);
    sky.setColorAt(0, QColor(0x1E, 0x4E, 0x8C));
    sky.setColorAt(1, QColor(0x5C, 0x9C, 0xD6));
    p.fillRect(pixmap.rect(), sky);
    // Blueprint grid.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < 164; x += 12)
        p.drawLine(x, 0, x, 314);
    for (int y = 0; y < 314; y += 12)
        p.drawLine(0, y, 164, y);
    // A small flat: outer walls, two rooms, a door arc and a window.
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(24, 96, 116, 132);
    p.drawLine(24, 168, 96, 168);
    p.drawLine(96, 168, 96, 228);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawArc(QRectF(66, 138, 60, 60), 90 * 16, 90 * 16);
    p.setPen(QPen(QColor(0xBF, 0xE4, 0xFF), 3));
    p.drawLine(60, 96, 100, 96);
    // A pencil across the corner.
    p.translate(118, 250);
    p.rotate(-35);
    p.fillRect(QRectF(0, -5, 70, 10), QColor(0xF2, 0xC1, 0x3A));
    QPainterPath tip;
    tip.moveTo(0, -5);
    tip.lineTo(-14, 0);
    tip.lineTo(0, 5);
    tip.closeSubpath();
    p.fillPath(tip, QColor(0xF5, 0xDE, 0xB3));
    return pixmap;
}

// The small picture in the page headers.
QPixmap headerLogo()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 4.5, 30, 40));
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x8C), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(13, 10, 21, 22));
    p.drawLine(QPointF(13, 22), QPointF(25, 22));
    p.setBrush(QColor(0xF2, 0xC1, 0x3A));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(36, 38), 7, 7);
    return pixmap;
}

QWidget *bulletLine(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("▸  ") + text, parent);
    label->setWordWrap(true);
    return label;
}

const char *kindDescriptions[] = {
    "Documento stampabile personalizzato. Non è possibile esportare il documento come immagine.",
    "Documento specifico per la stampa su un cartello Vantorie. Le dimensioni del foglio di lavoro "
    "sono fisse e "
    "non è possibile esportare il documento come immagine.",
    "Documento specifico per la pubblicazione sul web e sui periodici Vantorie, gli oggetti "
    "possiedono uno stile "
    "standard ed è possibile esportare il documento come immagine."};

} // namespace

QString CNewDocWizard::typeInformation()
{
    return QStringLiteral("Informazioni sul tipo di documento\n\nDomora mette a disposizione "
                          "dell'utente 3 diversi tipi di "
                          "documento.\n\nEssi sono nati e pensati per compiti diversi e le loro "
                          "possibilità (e le loro limitazioni) "
                          "riflettono proprio questa scelta di base.\n\nIl documento normale non "
                          "pone nessun limite; è possibile "
                          "scegliere una dimensione qualsiasi per il foglio di lavoro (sebbene "
                          "quella predefinita sia A4), cambiare i "
                          "colori e gli stili degli oggetti in tutti i modi previsti dal programma "
                          "e stampare liberamente il "
                          "risultato. Non è possibile esportare quanto si è creato attraverso "
                          "un'immagine.\n\nIl tipo di documento "
                          "denominato Cartello, invece fissa le dimensioni del documento ma per il "
                          "resto lascia le stese possibilità "
                          "e le stesse limitazioni del documento normale. E' pensato per essere "
                          "utilizzato nei cartelli "
                          "Vantorie.\n\nL'ultimo tipo è quello denominato Printnet. Ha le stesse "
                          "dimensioni del cartello ed da "
                          "utilizzarsi solo per preparare le immagini da stampare sulle riviste "
                          "Vantorie e sul Web. Dimensioni, "
                          "colori e stili di molti oggetti sono fissi e non modificabili, in "
                          "compenso è possibile esportare il "
                          "disegno come immagine (JPEG ma anche molti altri formati).\n\n");
}

QString CNewDocWizard::scaleInformation()
{
    return QStringLiteral("Informazioni sul fattore di scala\n\nLa scala del documento non è una "
                          "semplice associazione dimensione sul "
                          "foglio - dimensione reale. Scegliere un buon fattore di scala ti "
                          "permette di sfruttare al massimo tutto lo "
                          "spazio disponibile nel foglio di lavoro. Il calcolo di questo fattore "
                          "non è difficile, occorre solo fare "
                          "alcune semplici considerazioni.\n\nManualmente si seguono i seguenti "
                          "passi:\nSi calcola il rapporto "
                          "<dimensione reale>/<spazio disponibile sul foglio> per entrambi gli "
                          "assi (X e Y).\nSi sceglie il rapporto "
                          "MAGGIORE dei due.\nNon è opportuno avere fattori di scala diversi per i "
                          "due assi poiché ciò comporterebbe "
                          "una notevole deformazione dell'immagine.\n\nLa funzionalità di calcolo "
                          "del fattore di scala fa proprio "
                          "questo: calcolare il massimo rapporto di scala necessario e sceglierlo "
                          "come risultato.\n\n");
}

CNewDocWizard::CNewDocWizard(platform::Registry &reg, QWidget *parent) : QWizard(parent), m_reg(reg)
{
    setWindowTitle(QStringLiteral("Nuovo documento"));
    setWizardStyle(QWizard::ModernStyle);
    setPixmap(QWizard::LogoPixmap, headerLogo());
    setButtonText(QWizard::BackButton, QStringLiteral("< &Indietro"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Avanti >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("Fine"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Annulla"));
    setOption(QWizard::NoBackButtonOnStartPage);

    // Welcome.
    const bool hideWelcome =
        m_reg.readInt(settings, QStringLiteral("WizardNewDocHideWelcome"), 0) == 1;
    if (!hideWelcome) {
        auto *welcome = new QWizardPage(this);
        welcome->setTitle(QStringLiteral("Nuovo documento"));
        welcome->setPixmap(QWizard::WatermarkPixmap, watermark());
        auto *layout = new QVBoxLayout(welcome);
        auto *title = new QLabel(
            QStringLiteral("Benvenuto nella creazione guidata di un nuovo documento"), welcome);
        QFont titleFont(QStringLiteral("Verdana"), 12, QFont::Bold);
        titleFont.setStyleHint(QFont::SansSerif);
        title->setFont(titleFont);
        title->setWordWrap(true);
        layout->addWidget(title);
        auto *intro = new QLabel(
            QStringLiteral("Questa procedura guidata creerà un nuovo documento; per farlo ti "
                           "aiuterà a svolgerà i seguenti compiti:"),
            welcome);
        intro->setWordWrap(true);
        layout->addWidget(intro);
        layout->addWidget(
            bulletLine(QStringLiteral("Creare un nuovo documento del tipo specificato"), welcome));
        layout->addWidget(
            bulletLine(QStringLiteral("Associare le necessarie proprietà al documento"), welcome));
        layout->addWidget(bulletLine(
            QStringLiteral("Imposta il giusto fattore di scala per il disegno"), welcome));
        layout->addStretch(1);
        layout->addWidget(new QLabel(QStringLiteral("Per continuare, premi Avanti."), welcome));
        m_hideWelcome = new QCheckBox(QStringLiteral("Non mostrare più questa &pagina"), welcome);
        m_hideWelcome->setObjectName(QStringLiteral("1273"));
        m_hideWelcome->setChecked(hideWelcome);
        layout->addWidget(m_hideWelcome);
        setPage(WelcomePage, welcome);
    }

    // Document type.
    auto *type = new QWizardPage(this);
    type->setTitle(QStringLiteral("Tipo di documento"));
    type->setSubTitle(QStringLiteral("Che tipo di documento desideri creare?"));
    auto *typeLayout = new QVBoxLayout(type);
    m_kind = new QButtonGroup(type);
    const char *names[] = {"&Normale", "&Cartello", "&Printnet"};
    const char *ids[] = {"1260", "1261", "1266"};
    for (int kind = 0; kind < 3; ++kind) {
        auto *radio = new QRadioButton(QString::fromUtf8(names[kind]), type);
        radio->setObjectName(QString::fromLatin1(ids[kind]));
        m_kind->addButton(radio, kind);
        typeLayout->addWidget(radio);
        auto *description = new QLabel(QString::fromUtf8(kindDescriptions[kind]), type);
        description->setWordWrap(true);
        description->setContentsMargins(24, 0, 0, 8);
        typeLayout->addWidget(description);
    }
    m_kind->button(0)->setChecked(true);
    typeLayout->addStretch(1);
    auto *typeInfo = new QPushButton(QStringLiteral("A&ltre informazioni"), type);
    typeInfo->setObjectName(QStringLiteral("1274"));
    connect(typeInfo, &QPushButton::clicked, this, [this] {
        platform::ui::messageBox(this, typeInformation(), {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Information);
    });
    typeLayout->addWidget(typeInfo, 0, Qt::AlignRight);
    setPage(TypePage, type);

    // Properties and scale.
    auto *props = new QWizardPage(this);
    props->setTitle(QStringLiteral("Proprietà del documento e scala"));
    props->setSubTitle(QStringLiteral(
        "Quali sono le proprietà utili da associare al documento e qual'è la sua scala?"));
    auto *grid = new QGridLayout(props);
    m_author = new QLineEdit(props);
    m_author->setObjectName(QStringLiteral("1015"));
    m_comments = new QLineEdit(props);
    m_comments->setObjectName(QStringLiteral("1017"));
    m_scale = new QLineEdit(QLocale().toString(0.5), props);
    m_scale->setObjectName(QStringLiteral("1269"));
    auto *authorLabel = new QLabel(QStringLiteral("&Autore:"), props);
    authorLabel->setBuddy(m_author);
    auto *commentsLabel = new QLabel(QStringLiteral("&Commenti:"), props);
    commentsLabel->setBuddy(m_comments);
    auto *scaleLabel = new QLabel(QStringLiteral("&Scala [mm sul foglio per metro]:"), props);
    scaleLabel->setBuddy(m_scale);
    grid->addWidget(authorLabel, 0, 0);
    grid->addWidget(m_author, 0, 1, 1, 2);
    grid->addWidget(commentsLabel, 1, 0);
    grid->addWidget(m_comments, 1, 1, 1, 2);
    grid->addWidget(scaleLabel, 2, 0);
    grid->addWidget(m_scale, 2, 1);
    auto *calculate = new QPushButton(QStringLiteral("Calc&ola"), props);
    calculate->setObjectName(QStringLiteral("1273"));
    grid->addWidget(calculate, 2, 2);
    connect(calculate, &QPushButton::clicked, this, [this] {
        CScaleCalcDlg calculator(docType(), this);
        if (platform::ui::execDialog(calculator) == QDialog::Accepted)
            m_scale->setText(QLocale().toString(double(calculator.scale()), 'g', 6));
    });
    auto *scaleInfo = new QPushButton(QStringLiteral("A&ltre informazioni"), props);
    scaleInfo->setObjectName(QStringLiteral("1274"));
    connect(scaleInfo, &QPushButton::clicked, this, [this] {
        platform::ui::messageBox(this, scaleInformation(), {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Information);
    });
    grid->addWidget(scaleInfo, 3, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(
        new QLabel(QStringLiteral("Per creare il nuovo documento, fai click su Fine."), props), 5,
        0, 1, 3);
    setPage(PropertiesPage, props);

    setStartId(hideWelcome ? TypePage : WelcomePage);
}

int CNewDocWizard::docType() const
{
    return m_kind->checkedId() < 0 ? 0 : m_kind->checkedId();
}

QString CNewDocWizard::author() const
{
    return m_author->text();
}

QString CNewDocWizard::comments() const
{
    return m_comments->text();
}

float CNewDocWizard::scale() const
{
    bool ok = false;
    float value = QLocale().toFloat(m_scale->text().trimmed(), &ok);
    if (!ok)
        value = m_scale->text().trimmed().toFloat(&ok);
    return ok ? value : 0.0f;
}

bool CNewDocWizard::validateCurrentPage()
{
    if (currentId() == WelcomePage && m_hideWelcome)
        m_reg.writeInt(settings, QStringLiteral("WizardNewDocHideWelcome"),
                       m_hideWelcome->isChecked() ? 1 : 0);
    if (currentId() == PropertiesPage) {
        const QString text = m_scale->text().trimmed();
        bool ok = false;
        float value = QLocale().toFloat(text, &ok);
        if (!ok)
            value = text.toFloat(&ok);
        if (!ok || value < 0 || value > 20000) {
            platform::ui::messageBox(this,
                                     QStringLiteral("Immettere un numero compreso tra 0 e 20000."),
                                     {}, platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
            m_scale->setFocus();
            m_scale->selectAll();
            return false;
        }
    }
    return QWizard::validateCurrentPage();
}

void CNewDocWizard::storeRequest() const
{
    NewDocumentRequest &request = newDocumentRequest();
    request.docType = docType();
    request.summaryTitle = author();
    request.summarySubject = comments();
    request.scale = scale();
    request.fromWizard = 1;
}
