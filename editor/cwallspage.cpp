#include "editor/cwallspage.h"

#include "editor/clibraryimagedlg.h"
#include "editor/csegmentdlg.h"
#include "editor/cwallstylewizard.h"
#include "editor/editingui.h"
#include "editor/tools/hatchnames.h"
#include "editor/tools/segmenttable.h"
#include "editor/tools/wallstyles.h"
#include "graphics/hatch.h"
#include "model/coordinates.h"
#include "platform/messagebox.h"
#include "platform/registry.h"
#include "toolkit/colorbutton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QIcon hatchIcon(int style)
{
    const QImage tile = graphics::hatchTile(style, qRgb(0, 0, 0), qRgb(255, 255, 255), 2);
    QPixmap pixmap(32, 16);
    QPainter p(&pixmap);
    p.fillRect(pixmap.rect(), QBrush(tile));
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 31, 15);
    return QIcon(pixmap);
}

geokit::Point truncated(geokit::PointF p)
{
    return {model::truncToInt(p.x), model::truncToInt(p.y)};
}

QLabel *buddy(const QString &text, QWidget *widget, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(widget);
    return label;
}

} // namespace

CWallsPage::CWallsPage(std::vector<geokit::PointF> points, std::vector<SegmentStyle> segments,
                       double scale, bool closed, QWidget *parent)
    : QWidget(parent), m_points(std::move(points)), m_segments(std::move(segments)), m_scale(scale),
      m_closed(closed), m_table(new QTableWidget(this)),
      m_enabled(new QCheckBox(tr("M&ostra bordo:"), this)), m_width(new QLineEdit(this)),
      m_unitList(new QComboBox(this)), m_kind(new QButtonGroup(this)),
      m_solid(editingui::colorButton(this, QStringLiteral("solidColor"))),
      m_solidAlpha(new QSlider(Qt::Horizontal, this)), m_texture(new QLineEdit(this)),
      m_browse(new QPushButton(tr("..."), this)), m_textureScale(new QSpinBox(this)),
      m_textureAngle(new QSpinBox(this)), m_hatch(new QComboBox(this)),
      m_foreground(editingui::colorButton(this, QStringLiteral("foreground"))),
      m_background(editingui::colorButton(this, QStringLiteral("background")))
{
    setObjectName(QStringLiteral("wallsPage"));
    m_segments.resize(static_cast<size_t>(editing::wallCount(m_points, m_closed)));

    m_table->setObjectName(QStringLiteral("segments"));
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({tr("Indice"), tr("Descrizione"), tr("Posizione [mm]"),
                                        tr("Lunghezza in scala [mm]"), tr("Lunghezza reale [m]")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumHeight(120);
    m_table->setColumnWidth(0, 60);
    m_table->setColumnWidth(1, 170);
    m_table->setColumnWidth(2, 150);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);

    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_width->setObjectName(QStringLiteral("width"));
    m_unitList->setObjectName(QStringLiteral("unit"));
    m_unitList->addItems({tr("mm nel foglio"), tr("m reali")});
    const struct
    {
        int kind;
        const char *text;
        const char *name;
    } kinds[] = {
        {BrushStyle::fillSolid, QT_TR_NOOP("Colore p&ieno"), "solid"},
        {BrushStyle::fillTexture, QT_TR_NOOP("Te&xture"), "texture"},
        {BrushStyle::fillHatch, QT_TR_NOOP("&Motivo di riempimento"), "hatch"},
    };
    std::array<QRadioButton *, 3> radios{};
    for (size_t i = 0; i < radios.size(); ++i) {
        radios[i] = new QRadioButton(tr(kinds[i].text), this);
        radios[i]->setObjectName(QString::fromLatin1(kinds[i].name));
        m_kind->addButton(radios[i], kinds[i].kind);
    }
    m_solidAlpha->setObjectName(QStringLiteral("solidAlpha"));
    m_solidAlpha->setRange(0, 255);
    m_solidAlpha->setInvertedAppearance(true);
    m_texture->setObjectName(QStringLiteral("texturePath"));
    m_texture->setMinimumWidth(160);
    m_browse->setObjectName(QStringLiteral("browse"));
    m_textureScale->setObjectName(QStringLiteral("textureScale"));
    m_textureScale->setRange(1, 500);
    m_textureScale->setSuffix(QStringLiteral(" %"));
    m_textureAngle->setObjectName(QStringLiteral("textureAngle"));
    m_textureAngle->setRange(0, 360);
    m_textureAngle->setSuffix(QStringLiteral("°"));
    m_hatch->setObjectName(QStringLiteral("hatchStyle"));
    m_hatch->setIconSize(QSize(32, 16));
    for (int style = 0; style < graphics::hatchStyleCount; ++style)
        m_hatch->addItem(hatchIcon(style), editing::hatchStyleName(style));

    auto *editor = new QGroupBox(tr("Muro selezionato"), this);
    auto *grid = new QGridLayout(editor);
    int row = 0;
    grid->addWidget(m_enabled, row, 0);
    auto *widthRow = new QHBoxLayout;
    widthRow->addWidget(buddy(tr("&Dimensione:"), m_width, editor));
    widthRow->addWidget(m_width);
    widthRow->addWidget(m_unitList);
    widthRow->addStretch(1);
    grid->addLayout(widthRow, row++, 1, 1, 3);
    grid->addWidget(radios[0], row, 0);
    grid->addWidget(m_solid, row, 1);
    auto *alphaRow = new QHBoxLayout;
    alphaRow->addWidget(new QLabel(tr("Opaco"), editor));
    alphaRow->addWidget(m_solidAlpha, 1);
    alphaRow->addWidget(new QLabel(tr("Trasparente"), editor));
    grid->addLayout(alphaRow, row++, 2, 1, 2);
    grid->addWidget(radios[1], row, 0);
    auto *textureRow = new QHBoxLayout;
    textureRow->addWidget(m_texture, 1);
    textureRow->addWidget(m_browse);
    textureRow->addWidget(buddy(tr("Sca&la:"), m_textureScale, editor));
    textureRow->addWidget(m_textureScale);
    textureRow->addWidget(buddy(tr("&Rotazione:"), m_textureAngle, editor));
    textureRow->addWidget(m_textureAngle);
    grid->addLayout(textureRow, row++, 1, 1, 3);
    grid->addWidget(radios[2], row, 0);
    grid->addWidget(m_hatch, row, 1, 1, 3);
    ++row;
    auto *coloursRow = new QHBoxLayout;
    coloursRow->addWidget(buddy(tr("&Primo piano:"), m_foreground, editor));
    coloursRow->addWidget(m_foreground);
    coloursRow->addSpacing(12);
    coloursRow->addWidget(buddy(tr("S&fondo:"), m_background, editor));
    coloursRow->addWidget(m_background);
    coloursRow->addStretch(1);
    grid->addLayout(coloursRow, row++, 1, 1, 3);
    grid->setColumnStretch(3, 1);

    auto *extended = new QPushButton(tr("&Proprietà estese..."), this);
    extended->setObjectName(QStringLiteral("extended"));
    auto *wizard = new QPushButton(tr("Stile dei &muri..."), this);
    wizard->setObjectName(QStringLiteral("wallStyle"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(extended);
    buttons->addWidget(wizard);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(editor);
    layout->addLayout(buttons);

    refreshTable();
    if (!m_segments.empty())
        m_table->selectRow(0);
    loadEditor();

    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != m_current && !setCurrentSegment(row)) {
            const QSignalBlocker block(m_table);
            m_table->selectRow(m_current);
        }
    });
    connect(m_enabled, &QCheckBox::toggled, this, &CWallsPage::updateEnabling);
    connect(m_kind, &QButtonGroup::idClicked, this, &CWallsPage::updateEnabling);
    connect(m_unitList, &QComboBox::currentIndexChanged, this, [this](int index) {
        double value = 0.0;
        if (editingui::readNumber(m_width->text(), value))
            m_width->setText(editing::formatLength(editing::convertWidth(
                value, editing::WidthUnit(m_unit), editing::WidthUnit(index), m_scale)));
        m_unit = index;
    });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        CLibraryImageDlg picker(this);
        picker.setCaption(tr("Seleziona lo sfondo"));
        picker.setLibraryFolder(QStringLiteral("Library/Textures e motivi di riempimento"));
        picker.setFoldableDetails(true);
        if (platform::ui::execDialog(picker) == QDialog::Accepted)
            m_texture->setText(picker.selectedPath());
    });
    connect(extended, &QPushButton::clicked, this, &CWallsPage::editSegment);
    connect(wizard, &QPushButton::clicked, this, &CWallsPage::runWallStyleWizard);
}

void CWallsPage::setShape(std::vector<geokit::PointF> points, std::vector<SegmentStyle> segments)
{
    m_points = std::move(points);
    m_segments = std::move(segments);
    m_segments.resize(static_cast<size_t>(editing::wallCount(m_points, m_closed)));
    m_current = std::clamp(m_current, 0, std::max(0, static_cast<int>(m_segments.size()) - 1));
    refreshTable();
    loadEditor();
}

void CWallsPage::refreshTable()
{
    const auto rows = editing::segmentRows(m_points, m_segments, m_scale, m_closed);
    const QSignalBlocker block(m_table);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const editing::SegmentRow &row = rows[static_cast<size_t>(r)];
        const QString texts[] = {row.index, row.description, row.position, row.sheetLength,
                                 row.realLength};
        for (int c = 0; c < 5; ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            if (c >= 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }
    }
    if (m_current < m_table->rowCount())
        m_table->selectRow(m_current);
}

bool CWallsPage::setCurrentSegment(int index)
{
    if (index < 0 || index >= static_cast<int>(m_segments.size()))
        return false;
    if (index == m_current)
        return true;
    if (!storeEditor())
        return false;
    m_current = index;
    {
        const QSignalBlocker block(m_table);
        m_table->selectRow(index);
    }
    loadEditor();
    emit currentSegmentChanged(index);
    return true;
}

void CWallsPage::loadEditor()
{
    const bool any = m_current < static_cast<int>(m_segments.size());
    if (!any) {
        updateEnabling();
        return;
    }
    const SegmentStyle &s = m_segments[static_cast<size_t>(m_current)];
    m_enabled->setChecked(s.enabled != 0);
    m_width->setText(
        editing::formatLength(editing::widthInUnit(s.width, editing::WidthUnit(m_unit), m_scale)));
    if (QAbstractButton *b = m_kind->button(s.brush.fillKind)) {
        b->setChecked(true);
    } else {
        m_kind->setExclusive(false);
        for (QAbstractButton *button : m_kind->buttons())
            button->setChecked(false);
        m_kind->setExclusive(true);
    }
    m_solid->setColor(editingui::rgbColor(s.brush.solidColor));
    m_solidAlpha->setValue(static_cast<int>(s.brush.solidColor >> 24));
    m_texture->setText(s.brush.texturePath);
    m_textureScale->setValue(
        std::isfinite(s.brush.textureScale) ? int(s.brush.textureScale * 100.0 + 1e-4) : 20);
    m_textureAngle->setValue(std::isfinite(s.brush.textureAngle) ? int(s.brush.textureAngle) : 0);
    m_hatch->setCurrentIndex(graphics::isValidHatchStyle(s.brush.hatchStyle) ? s.brush.hatchStyle
                                                                             : 18);
    m_foreground->setColor(editingui::rgbColor(s.brush.color1));
    m_background->setColor(editingui::rgbColor(s.brush.color2));
    updateEnabling();
}

void CWallsPage::updateEnabling()
{
    const bool any = m_current < static_cast<int>(m_segments.size());
    m_enabled->setEnabled(any);
    m_width->setEnabled(any && m_enabled->isChecked());
    m_unitList->setEnabled(any && m_enabled->isChecked());
    const int kind = m_kind->checkedId();
    m_solid->setEnabled(any && kind == BrushStyle::fillSolid);
    m_solidAlpha->setEnabled(any && kind == BrushStyle::fillSolid);
    for (QWidget *w :
         {static_cast<QWidget *>(m_texture), static_cast<QWidget *>(m_browse),
          static_cast<QWidget *>(m_textureScale), static_cast<QWidget *>(m_textureAngle)})
        w->setEnabled(any && kind == BrushStyle::fillTexture);
    for (QWidget *w : {static_cast<QWidget *>(m_hatch), static_cast<QWidget *>(m_foreground),
                       static_cast<QWidget *>(m_background)})
        w->setEnabled(any && kind == BrushStyle::fillHatch);
}

bool CWallsPage::storeEditor()
{
    if (m_current >= static_cast<int>(m_segments.size()))
        return true;
    double typed = 0.0;
    if (!editingui::readNumber(m_width->text(), typed) || typed < 0.0) {
        platform::ui::warning(this, tr("La dimensione del muro deve essere un numero maggiore "
                                       "o uguale a zero."));
        return false;
    }
    SegmentStyle &s = m_segments[static_cast<size_t>(m_current)];
    s.enabled = m_enabled->isChecked() ? 1 : 0;
    s.width =
        static_cast<float>(editing::widthFromUnit(typed, editing::WidthUnit(m_unit), m_scale));
    if (m_kind->checkedId() >= 0)
        s.brush.fillKind = m_kind->checkedId();
    s.brush.solidColor = editingui::argb(m_solid->effectiveColor(), m_solidAlpha->value());
    s.brush.texturePath = m_texture->text();
    s.brush.textureScale = static_cast<float>(m_textureScale->value() * 0.01);
    s.brush.textureAngle = static_cast<float>(m_textureAngle->value());
    s.brush.color1 = editingui::argb(m_foreground->effectiveColor());
    s.brush.color2 = editingui::argb(m_background->effectiveColor());
    s.brush.hatchStyle = m_hatch->currentIndex();
    refreshTable();
    return true;
}

QString CWallsPage::widthText() const
{
    return m_width->text();
}

void CWallsPage::setWidthText(const QString &text)
{
    m_width->setText(text);
}

int CWallsPage::unitIndex() const
{
    return m_unitList->currentIndex();
}

void CWallsPage::setUnitIndex(int index)
{
    m_unitList->setCurrentIndex(index);
}

void CWallsPage::editSegment()
{
    if (m_current >= static_cast<int>(m_segments.size()) || !storeEditor())
        return;
    const int n = static_cast<int>(m_points.size());
    const int endIndex = (m_current + 1) % n;
    SegmentStyle &s = m_segments[static_cast<size_t>(m_current)];
    CSegmentDlg dialog(s.description, truncated(m_points[static_cast<size_t>(m_current)]),
                       truncated(m_points[static_cast<size_t>(endIndex)]), m_scale, this);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    s.description = dialog.description();
    const geokit::Point end = dialog.end();
    if (end != truncated(m_points[static_cast<size_t>(endIndex)])) {
        const geokit::PointF to{float(end.x), float(end.y)};
        if (editing::openingsFitAfterMove(m_points, m_segments, endIndex, to, m_closed)) {
            m_points[static_cast<size_t>(endIndex)] = to;
            emit shapeChanged();
        } else {
            platform::ui::warning(this, tr("Il vertice non può essere spostato: una porta o una "
                                           "finestra non starebbe più sul suo muro."));
        }
    }
    refreshTable();
}

void CWallsPage::runWallStyleWizard()
{
    if (!storeEditor())
        return;
    platform::Registry registry(QStringLiteral("Domora"));
    CWallStyleWizard wizard(registry, this);
    if (platform::ui::execDialog(wizard) != QDialog::Accepted)
        return;
    if (editing::applyWallStyle(m_segments, m_current, wizard.choice()))
        loadEditor();
    refreshTable();
}
