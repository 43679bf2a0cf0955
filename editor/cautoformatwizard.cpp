#include "editor/cautoformatwizard.h"

#include "editor/cwizardpages.h"
#include "editor/tools/roomcreation.h"
#include "editor/tools/roompresets.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/renderdocument.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWizardPage>

namespace {

const QString settings = QStringLiteral("Settings");
const QString hideWelcomeKey = QStringLiteral("WizardAutoFormatHideWelcome");
constexpr int styleRole = Qt::UserRole;

// A small plan (a bedroom, a bathroom, a hall and a table) drawn in the
// chosen gallery style with the chosen options.
class GalleryPreview : public QWidget
{
public:
    explicit GalleryPreview(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("preview"));
        setMinimumSize(200, 150);
    }
    void show(int style, const editing::AutoFormatOptions &options)
    {
        m_doc = std::make_unique<CDomoraDoc>();
        m_doc->SetPaperSize({m_sheet.width(), m_sheet.height()});
        const auto room = [this](std::vector<geokit::PointF> points, const char *name) {
            auto *r = static_cast<CDrawPoly *>(m_doc->AddObject(editing::makeRoom(points)));
            r->setName(QString::fromUtf8(name));
        };
        room({{4, 4}, {60, 4}, {60, 44}, {4, 44}}, "Camera");
        room({{60, 4}, {96, 4}, {96, 28}, {60, 28}}, "Bagno");
        room({{60, 28}, {96, 28}, {96, 66}, {40, 66}, {40, 44}, {60, 44}}, "");
        m_doc->AddObject(
            std::make_unique<CDrawRect>(geokit::Rect{12, 50, 32, 62}, CDrawRect::Shape::Ellipse));
        if (style >= 0)
            editing::applyAutoFormat(*m_doc, style, options);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), palette().window());
        if (!m_doc)
            return;
        const double scale =
            std::min(width() / double(m_sheet.width()), height() / double(m_sheet.height()));
        p.translate((width() - m_sheet.width() * scale) / 2.0,
                    (height() - m_sheet.height() * scale) / 2.0);
        p.scale(scale, scale);
        model::renderSheet(p, *m_doc, 5, model::DrawPurpose::Screen);
    }

private:
    QSize m_sheet{100, 70}; // millimetres
    std::unique_ptr<CDomoraDoc> m_doc;
};

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
    auto *preview = new GalleryPreview(galleryPage);
    auto *galleryLayout = new QHBoxLayout(galleryPage);
    galleryLayout->addWidget(m_gallery, 1);
    galleryLayout->addWidget(preview, 1);
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
    const auto refresh = [this, preview] { preview->show(style(), options()); };
    connect(m_gallery, &QTreeWidget::currentItemChanged, this, refresh);
    for (QCheckBox *box : {m_walls, m_patterns, m_colours, m_backgrounds, m_captions})
        connect(box, &QCheckBox::toggled, this, refresh);
    refresh();
    m_hideWelcome->setChecked(m_registry.readInt(settings, hideWelcomeKey, 0) == 1);
    setStartId(m_hideWelcome->isChecked() ? GalleryPage : WelcomePage);
    resize(640, 460);
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
