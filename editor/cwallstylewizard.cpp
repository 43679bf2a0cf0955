#include "editor/cwallstylewizard.h"

#include "editor/cwizardpages.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

const QString settings = QStringLiteral("Settings");
const QString hideWelcomeKey = QStringLiteral("WizardBorderStyleHideWelcome");

} // namespace

CWallStyleWizard::CWallStyleWizard(platform::Registry &registry, QWidget *parent)
    : QWizard(parent), m_registry(registry),
      m_hideWelcome(new QCheckBox(tr("Non mostrare più questa &pagina"))),
      m_allWalls(new QRadioButton(tr("&Tutti i muri che compongono la stanza"))),
      m_oneWall(new QRadioButton(tr("Soltanto il muro &selezionato"))), m_styles(new QListWidget),
      m_visible(new QCheckBox(tr("I muri sono sempre &visibili"))),
      m_width(new QCheckBox(tr("Adatta lo &spessore del muro"))),
      m_fill(new QCheckBox(tr("Cambia i &colori e i motivi di riempimento")))
{
    setWindowTitle(tr("Stile dei muri"));
    wizardpages::setUp(*this);
    m_hideWelcome->setObjectName(QStringLiteral("hideWelcome"));
    m_allWalls->setObjectName(QStringLiteral("allWalls"));
    m_oneWall->setObjectName(QStringLiteral("oneWall"));
    m_styles->setObjectName(QStringLiteral("styles"));
    m_visible->setObjectName(QStringLiteral("alwaysVisible"));
    m_width->setObjectName(QStringLiteral("adaptWidth"));
    m_fill->setObjectName(QStringLiteral("changeFill"));

    setPage(WelcomePage,
            wizardpages::welcomePage(
                *this, tr("Benvenuto nella personalizzazione guidata dei muri"),
                tr("Questa procedura guidata ti aiuta a cambiare l'aspetto dei muri della stanza: "
                   "scegli i muri da modificare, uno degli stili predefiniti e le caratteristiche "
                   "dello stile da applicare."),
                m_hideWelcome));

    auto *walls = new QWizardPage(this);
    walls->setTitle(tr("Seleziona i muri a cui desideri applicare un nuovo stile:"));
    auto *wallsLayout = new QVBoxLayout(walls);
    m_allWalls->setParent(walls);
    m_oneWall->setParent(walls);
    wallsLayout->addWidget(m_allWalls);
    wallsLayout->addWidget(m_oneWall);
    wallsLayout->addStretch(1);
    setPage(WallsPage, walls);

    auto *style = new QWizardPage(this);
    style->setTitle(tr("Seleziona lo stile dei muri"));
    auto *styleLayout = new QVBoxLayout(style);
    m_styles->setParent(style);
    for (int i = 0; i < editing::wallStyleCount; ++i)
        m_styles->addItem(editing::wallStyleName(i));
    auto *stylesLabel = new QLabel(tr("&Stili predefiniti:"), style);
    stylesLabel->setBuddy(m_styles);
    styleLayout->addWidget(stylesLabel);
    styleLayout->addWidget(m_styles, 1);
    for (QCheckBox *box : {m_visible, m_width, m_fill}) {
        box->setParent(style);
        styleLayout->addWidget(box);
    }
    setPage(StylePage, style);

    setChoice(editing::WallStyleChoice());
    m_hideWelcome->setChecked(m_registry.readInt(settings, hideWelcomeKey, 0) == 1);
    setStartId(m_hideWelcome->isChecked() ? WallsPage : WelcomePage);
    resize(520, 420);
}

editing::WallStyleChoice CWallStyleWizard::choice() const
{
    editing::WallStyleChoice c;
    c.allWalls = m_allWalls->isChecked();
    c.style = std::max(0, m_styles->currentRow());
    c.alwaysVisible = m_visible->isChecked();
    c.adaptWidth = m_width->isChecked();
    c.changeFill = m_fill->isChecked();
    return c;
}

void CWallStyleWizard::setChoice(const editing::WallStyleChoice &c)
{
    (c.allWalls ? m_allWalls : m_oneWall)->setChecked(true);
    m_styles->setCurrentRow(c.style);
    m_visible->setChecked(c.alwaysVisible);
    m_width->setChecked(c.adaptWidth);
    m_fill->setChecked(c.changeFill);
}

void CWallStyleWizard::accept()
{
    m_registry.writeInt(settings, hideWelcomeKey, m_hideWelcome->isChecked() ? 1 : 0);
    QWizard::accept();
}
