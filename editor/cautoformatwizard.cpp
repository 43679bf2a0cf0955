#include "editor/cautoformatwizard.h"

#include "editor/cwizardpages.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

const QString settings = QStringLiteral("Settings");
const QString hideWelcomeKey = QStringLiteral("WizardAutoFormatHideWelcome");
constexpr int styleRole = Qt::UserRole;

} // namespace

CAutoFormatWizard::CAutoFormatWizard(platform::Registry &registry, QWidget *parent)
    : QWizard(parent), m_registry(registry),
      m_hideWelcome(new QCheckBox(tr("Non mostrare più questa &pagina"))),
      m_gallery(new QTreeWidget), m_walls(new QCheckBox(tr("Modifica i &muri delle stanze"))),
      m_patterns(new QCheckBox(tr("Motivi di &riempimento"))),
      m_colours(new QCheckBox(tr("&Colori dei muri e del contorno"))),
      m_backgrounds(new QCheckBox(tr("Modifica qualsiasi elemento nello &sfondo delle stanze"))),
      m_captions(new QCheckBox(tr("Adatta il titolo della stanza al tipo")))
{
    setWindowTitle(tr("Formattazione automatica"));
    wizardpages::setUp(*this);
    m_hideWelcome->setObjectName(QStringLiteral("hideWelcome"));
    m_gallery->setObjectName(QStringLiteral("gallery"));
    m_walls->setObjectName(QStringLiteral("walls"));
    m_patterns->setObjectName(QStringLiteral("patterns"));
    m_colours->setObjectName(QStringLiteral("colours"));
    m_backgrounds->setObjectName(QStringLiteral("backgrounds"));
    m_captions->setObjectName(QStringLiteral("captions"));

    setPage(WelcomePage,
            wizardpages::welcomePage(
                *this, tr("Benvenuto nella formattazione guidata di un documento"),
                tr("Questa procedura guidata applica al documento uno degli stili della "
                   "galleria di Domora: i muri delle stanze, i motivi di riempimento, i colori "
                   "e gli sfondi degli oggetti cambiano tutti insieme, e un solo comando Annulla "
                   "riporta il documento com'era."),
                m_hideWelcome));

    auto *galleryPage = new QWizardPage(this);
    galleryPage->setTitle(tr("Galleria degli stili predefiniti di Domora"));
    m_gallery->setParent(galleryPage);
    m_gallery->setHeaderHidden(true);
    for (const editing::GalleryGroup &group : editing::galleryGroups()) {
        auto *groupItem = new QTreeWidgetItem(m_gallery, {group.name});
        groupItem->setData(0, styleRole, -1);
        for (const int style : group.styles) {
            auto *item = new QTreeWidgetItem(groupItem, {editing::galleryStyleName(style)});
            item->setData(0, styleRole, style);
        }
    }
    m_gallery->expandAll();
    auto *galleryLayout = new QVBoxLayout(galleryPage);
    galleryLayout->addWidget(m_gallery);
    setPage(GalleryPage, galleryPage);

    auto *optionsPage = new QWizardPage(this);
    optionsPage->setTitle(tr("Seleziona gli elementi del documento da modificare"));
    auto *optionsLayout = new QVBoxLayout(optionsPage);
    for (QCheckBox *box : {m_walls, m_patterns, m_colours, m_backgrounds, m_captions}) {
        box->setParent(optionsPage);
        optionsLayout->addWidget(box);
    }
    optionsLayout->addStretch(1);
    setPage(OptionsPage, optionsPage);

    setStyle(0);
    setOptions(editing::AutoFormatOptions());
    m_hideWelcome->setChecked(m_registry.readInt(settings, hideWelcomeKey, 0) == 1);
    setStartId(m_hideWelcome->isChecked() ? GalleryPage : WelcomePage);
    resize(520, 440);
}

int CAutoFormatWizard::style() const
{
    const QTreeWidgetItem *item = m_gallery->currentItem();
    return item ? item->data(0, styleRole).toInt() : -1;
}

bool CAutoFormatWizard::setStyle(int style)
{
    for (QTreeWidgetItemIterator it(m_gallery); *it; ++it) {
        if ((*it)->data(0, styleRole).toInt() == style && style >= 0) {
            m_gallery->setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

editing::AutoFormatOptions CAutoFormatWizard::options() const
{
    return {m_walls->isChecked(), m_patterns->isChecked(), m_colours->isChecked(),
            m_backgrounds->isChecked(), m_captions->isChecked()};
}

void CAutoFormatWizard::setOptions(const editing::AutoFormatOptions &o)
{
    m_walls->setChecked(o.walls);
    m_patterns->setChecked(o.patterns);
    m_colours->setChecked(o.colours);
    m_backgrounds->setChecked(o.backgrounds);
    m_captions->setChecked(o.captions);
}

bool CAutoFormatWizard::validateCurrentPage()
{
    if (currentId() == GalleryPage && style() < 0) {
        platform::ui::information(this, tr("Seleziona uno stile della galleria."));
        return false;
    }
    return QWizard::validateCurrentPage();
}

void CAutoFormatWizard::accept()
{
    m_registry.writeInt(settings, hideWelcomeKey, m_hideWelcome->isChecked() ? 1 : 0);
    QWizard::accept();
}
