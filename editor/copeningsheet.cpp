#include "editor/copeningsheet.h"

#include "editor/editingui.h"
#include "graphics/context.h"
#include "model/openingsymbol.h"
#include "toolkit/colorbutton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The chosen symbol in the middle of a stretch of wall, as the room draws it.
class OpeningPreview : public QWidget
{
public:
    explicit OpeningPreview(const COpeningSheet &sheet, QWidget *parent)
        : QWidget(parent), m_sheet(sheet)
    {
        setObjectName(QStringLiteral("preview"));
        setMinimumSize(220, 150);
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        const model::OpeningProperties p = m_sheet.properties();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        // 40 mm of wall, 20 mm of opening in the middle, fitted to the box.
        constexpr double wallMm = 40.0, openingMm = 20.0, wallWidthMm = 2.0;
        // The leaves of angle 0 swing below the wall: room for them there.
        constexpr double marginMm = 4.0;
        const double scale =
            std::min(width() / (wallMm + marginMm), height() / (openingMm + 2 * marginMm));
        painter.translate(width() / 2.0, (height() - openingMm * scale) / 2.0);
        painter.scale(scale, scale);
        const double half = openingMm / 2.0;
        const QColor wall(0x60, 0x60, 0x60);
        painter.fillRect(QRectF(-wallMm / 2, -wallWidthMm / 2, wallMm / 2 - half, wallWidthMm),
                         wall);
        painter.fillRect(QRectF(half, -wallWidthMm / 2, wallMm / 2 - half, wallWidthMm), wall);
        painter.fillRect(QRectF(-half, -wallWidthMm / 2, openingMm, wallWidthMm),
                         QColor::fromRgba(p.backColor));
        graphics::Context context(&painter);
        OpeningSymbol symbol;
        symbol.type = p.type;
        symbol.start = QPointF(-half, 0);
        symbol.end = QPointF(half, 0);
        symbol.wallWidth = wallWidthMm;
        symbol.angle = 0; // the preview never turns the symbol
        symbol.strokeColor = p.strokeColor;
        symbol.arcColor = p.arcColor;
        symbol.arcKind = p.arcKind;
        symbol.strokeDash = p.strokeDash;
        symbol.arcDash = p.arcDash;
        symbol.opensInwards = p.opensInwards != 0;
        DrawOpeningSymbol(context, symbol);
    }

private:
    const COpeningSheet &m_sheet;
};

QStringList dashNames()
{
    return {QObject::tr("Linea continua"), QObject::tr("Tratteggiato"), QObject::tr("Punteggiato")};
}

QComboBox *combo(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

} // namespace

QStringList COpeningSheet::typeNames()
{
    return {tr("Porta/finestra semplice"),     tr("Porta ad un'anta"),
            tr("Pora a due ante, 1/2"),        tr("Porta a due ante, 3/4"),
            tr("Porta antincendio"),           tr("Vetrata"),
            tr("Vantorie Printnet: ingresso"), tr("Vantorie Printnet: porta normale"),
            tr("Vantorie Printnet: finestra")};
}

COpeningSheet::COpeningSheet(Purpose purpose, const model::OpeningProperties &properties,
                             QWidget *parent)
    : CPropertySheet(purpose == Purpose::Insert ? tr("Inserisci porta/finestra")
                                                : tr("Proprietà porta/finestra"),
                     parent)
{
    auto *page = new QWidget(this);
    m_stroke = editingui::colorButton(page, QStringLiteral("strokeColor"));
    m_arc = editingui::colorButton(page, QStringLiteral("arcColor"));
    m_background = editingui::colorButton(page, QStringLiteral("backColor"));
    m_inwards = new QRadioButton(tr("Apertura verso l'intern&o della stanza"), page);
    m_inwards->setObjectName(QStringLiteral("inwards"));
    m_outwards = new QRadioButton(tr("Apertura verso l'&esterno della stanza"), page);
    m_outwards->setObjectName(QStringLiteral("outwards"));
    m_strokeDash = combo(page, QStringLiteral("strokeDash"), dashNames());
    m_arcDash = combo(page, QStringLiteral("arcDash"), dashNames());
    m_arcKind =
        combo(page, QStringLiteral("arcKind"), {tr("Nessuno"), tr("Curva"), tr("Linea retta")});
    m_type = combo(page, QStringLiteral("type"), typeNames());
    m_preview = new OpeningPreview(*this, page);

    auto *colours = new QGroupBox(tr("Colori"), page);
    auto *coloursForm = new QFormLayout(colours);
    coloursForm->addRow(tr("Colore del &tratto:"), m_stroke);
    coloursForm->addRow(tr("Colore dell'&arco:"), m_arc);
    coloursForm->addRow(tr("S&fondo:"), m_background);
    auto *orientation = new QGroupBox(tr("Orientamento"), page);
    auto *orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->addWidget(m_inwards);
    orientationLayout->addWidget(m_outwards);
    auto *lines = new QGroupBox(tr("Linee"), page);
    auto *linesForm = new QFormLayout(lines);
    linesForm->addRow(tr("Tratto - &Stile:"), m_strokeDash);
    linesForm->addRow(tr("Arco - Sti&le:"), m_arcDash);
    linesForm->addRow(tr("Tipo d'a&rco:"), m_arcKind);
    auto *typeForm = new QFormLayout;
    typeForm->addRow(tr("Tipo:"), m_type);
    auto *preview = new QGroupBox(tr("Anteprima"), page);
    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->addWidget(m_preview);

    auto *grid = new QGridLayout(page);
    grid->addWidget(colours, 0, 0);
    grid->addWidget(orientation, 0, 1);
    grid->addWidget(lines, 1, 0);
    grid->addWidget(preview, 1, 1, 2, 1);
    grid->addLayout(typeForm, 2, 0);
    addPage(page, tr("Generale"));

    setProperties(purpose == Purpose::Insert ? model::OpeningProperties() : properties);

    const auto redraw = [this] { m_preview->repaint(); };
    for (toolkit::ColorButton *b : {m_stroke, m_arc, m_background})
        connect(b, &toolkit::ColorButton::colorChosen, this, redraw);
    connect(m_inwards, &QRadioButton::toggled, this, redraw);
    for (QComboBox *c : {m_strokeDash, m_arcDash, m_arcKind, m_type})
        connect(c, &QComboBox::currentIndexChanged, this, redraw);
}

void COpeningSheet::setProperties(const model::OpeningProperties &p)
{
    m_stroke->setColor(editingui::rgbColor(p.strokeColor));
    m_arc->setColor(editingui::rgbColor(p.arcColor));
    m_background->setColor(editingui::rgbColor(p.backColor));
    (p.opensInwards ? m_inwards : m_outwards)->setChecked(true);
    m_strokeDash->setCurrentIndex(qBound(0, p.strokeDash, 2));
    m_arcDash->setCurrentIndex(qBound(0, p.arcDash, 2));
    m_arcKind->setCurrentIndex(qBound(0, p.arcKind, 2));
    m_type->setCurrentIndex(qBound(0, p.type, 8));
    m_preview->repaint();
}

model::OpeningProperties COpeningSheet::properties() const
{
    model::OpeningProperties p;
    p.strokeColor = editingui::argb(m_stroke->effectiveColor());
    p.arcColor = editingui::argb(m_arc->effectiveColor());
    p.backColor = editingui::argb(m_background->effectiveColor());
    p.opensInwards = m_inwards->isChecked() ? 1 : 0;
    p.strokeDash = m_strokeDash->currentIndex();
    p.arcDash = m_arcDash->currentIndex();
    p.arcKind = m_arcKind->currentIndex();
    p.type = m_type->currentIndex();
    return p;
}

int COpeningSheet::previewPaints() const
{
    return static_cast<OpeningPreview *>(m_preview)->paints;
}
