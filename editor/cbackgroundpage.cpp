#include "editor/cbackgroundpage.h"

#include "editor/clibraryimagedlg.h"
#include "editor/editingui.h"
#include "graphics/context.h"
#include "model/renderbrush.h"
#include "platform/messagebox.h"
#include "toolkit/colorbutton.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A sample of the fill on a chequered ground, so that transparency shows.
class BrushSample : public QWidget
{
public:
    explicit BrushSample(const CBackgroundPage &page, QWidget *parent)
        : QWidget(parent), m_page(page)
    {
        setObjectName(QStringLiteral("preview"));
        setMinimumSize(120, 70);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect area = rect().adjusted(0, 0, -1, -1);
        for (int y = 0; y < height(); y += 8)
            for (int x = 0; x < width(); x += 8)
                p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(0xCC, 0xCC, 0xCC) : Qt::white);
        // One sheet millimetre is two pixels here, so that textures and
        // gradients look as they do on a plan at 200 %.
        p.scale(2.0, 2.0);
        const QRectF bounds(0, 0, width() / 2.0, height() / 2.0);
        graphics::Context context(&p);
        if (const auto brush = model::makeBrush(m_page.currentStyle(), bounds, context))
            context.fillRectangle(*brush, bounds);
        p.resetTransform();
        p.setPen(Qt::darkGray);
        p.drawRect(area);
    }

private:
    const CBackgroundPage &m_page;
};

QSlider *alphaSlider(QWidget *parent, const QString &name)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, 255);
    // "Opaco" on the left, "Trasparente" on the right.
    slider->setInvertedAppearance(true);
    slider->setMinimumWidth(100);
    return slider;
}

QWidget *alphaRow(QWidget *parent, QSlider *slider)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QWidget::tr("Opaco"), row));
    layout->addWidget(slider, 1);
    layout->addWidget(new QLabel(QWidget::tr("Trasparente"), row));
    return row;
}

} // namespace

CBackgroundPage::CBackgroundPage(const BrushStyle &style, QWidget *parent)
    : QWidget(parent), m_style(style), m_kindOnEntry(style.fillKind),
      m_kind(new QButtonGroup(this)),
      m_solid(editingui::colorButton(this, QStringLiteral("solidColor"))),
      m_solidAlpha(alphaSlider(this, QStringLiteral("solidAlpha"))),
      m_start(editingui::colorButton(this, QStringLiteral("startColor"))),
      m_startAlpha(alphaSlider(this, QStringLiteral("startAlpha"))),
      m_end(editingui::colorButton(this, QStringLiteral("endColor"))),
      m_endAlpha(alphaSlider(this, QStringLiteral("endAlpha"))), m_direction(new QComboBox(this)),
      m_texture(new QLineEdit(this)), m_browse(new QPushButton(tr("S&foglia..."), this)),
      m_angle(new QSpinBox(this)), m_scale(new QSpinBox(this)),
      m_preview(new BrushSample(*this, this))
{
    setObjectName(QStringLiteral("backgroundPage"));
    const struct
    {
        int kind;
        const char *text;
        const char *name;
    } kinds[] = {
        {BrushStyle::fillNone, QT_TR_NOOP("S&fondo trasparente"), "transparent"},
        {BrushStyle::fillSolid, QT_TR_NOOP("Colore pi&eno"), "solid"},
        {BrushStyle::fillGradient, QT_TR_NOOP("Riempimento sfumato"), "gradient"},
        {BrushStyle::fillTexture, QT_TR_NOOP("Te&xture o motivo"), "texture"},
    };
    std::array<QRadioButton *, 4> radios{};
    for (size_t i = 0; i < radios.size(); ++i) {
        radios[i] = new QRadioButton(tr(kinds[i].text), this);
        radios[i]->setObjectName(QString::fromLatin1(kinds[i].name));
        m_kind->addButton(radios[i], kinds[i].kind);
    }
    m_direction->setObjectName(QStringLiteral("direction"));
    m_direction->addItems({tr("Orizzontale"), tr("Verticale"), tr("Diagonale in avanti"),
                           tr("Diagonale all'indietro")});
    m_texture->setObjectName(QStringLiteral("texturePath"));
    m_browse->setObjectName(QStringLiteral("browse"));
    m_angle->setObjectName(QStringLiteral("angle"));
    m_angle->setRange(styles::minAngleDeg, styles::maxAngleDeg);
    m_angle->setSuffix(QStringLiteral("°"));
    m_scale->setObjectName(QStringLiteral("scale"));
    m_scale->setRange(styles::minScalePercent, styles::maxScalePercent);
    m_scale->setSuffix(QStringLiteral(" %"));

    auto *grid = new QGridLayout;
    int row = 0;
    grid->addWidget(radios[0], row++, 0, 1, 3);
    grid->addWidget(radios[1], row, 0);
    grid->addWidget(m_solid, row, 1);
    grid->addWidget(alphaRow(this, m_solidAlpha), row++, 2);
    grid->addWidget(radios[2], row++, 0, 1, 3);
    auto *startLabel = new QLabel(tr("Colore di &partenza:"), this);
    startLabel->setBuddy(m_start);
    grid->addWidget(startLabel, row, 0, Qt::AlignRight);
    grid->addWidget(m_start, row, 1);
    grid->addWidget(alphaRow(this, m_startAlpha), row++, 2);
    auto *endLabel = new QLabel(tr("Colore d'&arrivo:"), this);
    endLabel->setBuddy(m_end);
    grid->addWidget(endLabel, row, 0, Qt::AlignRight);
    grid->addWidget(m_end, row, 1);
    grid->addWidget(alphaRow(this, m_endAlpha), row++, 2);
    auto *directionLabel = new QLabel(tr("&Direzione:"), this);
    directionLabel->setBuddy(m_direction);
    grid->addWidget(directionLabel, row, 0, Qt::AlignRight);
    grid->addWidget(m_direction, row++, 1, 1, 2);
    grid->addWidget(radios[3], row++, 0, 1, 3);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_texture, 1);
    pathRow->addWidget(m_browse);
    grid->addLayout(pathRow, row++, 0, 1, 3);
    auto *spinRow = new QHBoxLayout;
    auto *angleLabel = new QLabel(tr("A&ngolo:"), this);
    angleLabel->setBuddy(m_angle);
    auto *scaleLabel = new QLabel(tr("&Scala:"), this);
    scaleLabel->setBuddy(m_scale);
    spinRow->addWidget(angleLabel);
    spinRow->addWidget(m_angle);
    spinRow->addSpacing(12);
    spinRow->addWidget(scaleLabel);
    spinRow->addWidget(m_scale);
    spinRow->addStretch(1);
    grid->addLayout(spinRow, row++, 0, 1, 3);

    auto *sample = new QGroupBox(tr("Anteprima"), this);
    auto *sampleLayout = new QVBoxLayout(sample);
    sampleLayout->addWidget(m_preview);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sample);
    layout->addStretch(1);

    showValues(styles::brushPageValues(style));

    const auto notify = [this] {
        m_preview->update();
        emit changed();
    };
    connect(m_kind, &QButtonGroup::idClicked, this, [this, notify] {
        updateEnabling();
        notify();
    });
    for (toolkit::ColorButton *b : {m_solid, m_start, m_end})
        connect(b, &toolkit::ColorButton::colorChosen, this, notify);
    for (QSlider *s : {m_solidAlpha, m_startAlpha, m_endAlpha})
        connect(s, &QSlider::valueChanged, this, notify);
    connect(m_direction, &QComboBox::currentIndexChanged, this, notify);
    connect(m_texture, &QLineEdit::textChanged, this, notify);
    connect(m_angle, &QSpinBox::valueChanged, this, notify);
    connect(m_scale, &QSpinBox::valueChanged, this, notify);
    connect(m_browse, &QPushButton::clicked, this, &CBackgroundPage::browseTexture);
}

void CBackgroundPage::setStyle(const BrushStyle &style)
{
    m_style = style;
    m_kindOnEntry = style.fillKind;
    showValues(styles::brushPageValues(style));
    m_preview->update();
}

void CBackgroundPage::showValues(const styles::BrushPageValues &v)
{
    if (QAbstractButton *button = m_kind->button(v.fillKind)) {
        button->setChecked(true);
    } else {
        // Hatch fills have no button of their own: none is checked.
        m_kind->setExclusive(false);
        for (QAbstractButton *b : m_kind->buttons())
            b->setChecked(false);
        m_kind->setExclusive(true);
    }
    m_solid->setColor(QColor::fromRgb(v.solidRgb));
    m_solidAlpha->setValue(v.solidAlpha);
    m_start->setColor(QColor::fromRgb(v.startRgb));
    m_startAlpha->setValue(v.startAlpha);
    m_end->setColor(QColor::fromRgb(v.endRgb));
    m_endAlpha->setValue(v.endAlpha);
    m_direction->setCurrentIndex(qBound(0, v.gradientMode, 3));
    m_texture->setText(v.texturePath);
    m_angle->setValue(v.angleDeg);
    m_scale->setValue(v.scalePercent);
    updateEnabling();
}

void CBackgroundPage::setValues(const styles::BrushPageValues &values)
{
    showValues(values);
    m_preview->update();
}

styles::BrushPageValues CBackgroundPage::values() const
{
    styles::BrushPageValues v;
    v.fillKind = m_kind->checkedId() >= 0 ? m_kind->checkedId() : m_style.fillKind;
    v.solidRgb = m_solid->effectiveColor().rgb() & 0x00FFFFFFu;
    v.solidAlpha = m_solidAlpha->value();
    v.startRgb = m_start->effectiveColor().rgb() & 0x00FFFFFFu;
    v.startAlpha = m_startAlpha->value();
    v.endRgb = m_end->effectiveColor().rgb() & 0x00FFFFFFu;
    v.endAlpha = m_endAlpha->value();
    v.gradientMode = m_direction->currentIndex();
    v.texturePath = m_texture->text();
    v.angleDeg = m_angle->value();
    v.scalePercent = m_scale->value();
    return v;
}

void CBackgroundPage::updateEnabling()
{
    const styles::BrushPageControls c =
        styles::enabledControls(m_kind->checkedId() >= 0 ? m_kind->checkedId() : -1);
    m_solid->setEnabled(c.solid);
    m_solidAlpha->parentWidget()->setEnabled(c.solid);
    for (QWidget *w : {static_cast<QWidget *>(m_start), static_cast<QWidget *>(m_end),
                       static_cast<QWidget *>(m_direction)})
        w->setEnabled(c.gradient);
    m_startAlpha->parentWidget()->setEnabled(c.gradient);
    m_endAlpha->parentWidget()->setEnabled(c.gradient);
    for (QWidget *w : {static_cast<QWidget *>(m_texture), static_cast<QWidget *>(m_browse),
                       static_cast<QWidget *>(m_angle), static_cast<QWidget *>(m_scale)})
        w->setEnabled(c.texture);
}

void CBackgroundPage::browseTexture()
{
    CLibraryImageDlg picker(this);
    picker.setCaption(tr("Seleziona lo sfondo"));
    picker.setLibraryFolder(QStringLiteral("Library/Textures e motivi di riempimento"));
    picker.setFoldableDetails(true);
    const bool confirmed = platform::ui::execDialog(picker) == QDialog::Accepted;
    styles::BrushPageValues v = values();
    styles::afterTextureBrowse(v, confirmed, picker.selectedPath(), [this](const QString &text) {
        return platform::ui::messageBox(this, text, {}, platform::ui::Buttons::YesNo,
                                        platform::ui::Icon::Warning) == platform::ui::Answer::Yes;
    });
    setValues(v);
    emit changed();
}

void CBackgroundPage::leave()
{
    styles::BrushPageValues v = values();
    styles::beforeLeaving(v, m_kindOnEntry, [this](const QString &text) {
        return platform::ui::messageBox(this, text, {}, platform::ui::Buttons::YesNo,
                                        platform::ui::Icon::Warning) == platform::ui::Answer::Yes;
    });
    if (v.fillKind != values().fillKind)
        setValues(v);
}

bool CBackgroundPage::commit(BrushStyle &style)
{
    leave();
    BrushStyle stored = m_style;
    if (const auto why = styles::storeBrushPage(values(), stored)) {
        platform::ui::warning(this, *why);
        return false;
    }
    style = stored;
    return true;
}

BrushStyle CBackgroundPage::currentStyle() const
{
    BrushStyle style = m_style;
    (void)styles::storeBrushPage(values(), style);
    return style;
}
