#include "editor/crectsheet.h"

#include "editor/cbackgroundpage.h"
#include "editor/cfontsheet.h"
#include "editor/cpositiongroup.h"
#include "editor/editingui.h"
#include "model/cdomoradoc.h"
#include "model/cdrawrect.h"
#include "platform/messagebox.h"
#include "toolkit/colorbutton.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace {

using Shape = CDrawRect::Shape;

bool hasFill(Shape shape)
{
    return shape == Shape::Rectangle || shape == Shape::RoundRectangle || shape == Shape::Ellipse;
}

bool hasText(Shape shape)
{
    return shape == Shape::Note || shape == Shape::DimensionLine;
}

QString captionFor(Shape shape)
{
    switch (shape) {
    case Shape::RoundRectangle:
        return QObject::tr("Proprietà rettangolo arrotondato");
    case Shape::Ellipse:
        return QObject::tr("Proprietà ellisse");
    case Shape::Line:
        return QObject::tr("Proprietà linea");
    case Shape::TintedBox:
        return QObject::tr("Proprietà riquadro colorato");
    case Shape::Note:
        return QObject::tr("Proprietà commento");
    case Shape::DimensionLine:
        return QObject::tr("Proprietà quota");
    case Shape::Rectangle:
        break;
    }
    return QObject::tr("Proprietà rettangolo");
}

} // namespace

CRectSheet::CRectSheet(CDomoraDoc &doc, CDrawRect &rect, QWidget *parent)
    : CPropertySheet(captionFor(rect.shape()), parent), m_doc(doc), m_rect(rect),
      m_text(rect.label2())
{
    auto *general = new QWidget(this);
    m_position = new CPositionGroup(tr("Posizione e dimensioni"), rect.position(), 0, general);
    auto *outline = new QGroupBox(tr("Contorno"), general);
    m_outlined = new QCheckBox(rect.shape() == Shape::Line || rect.shape() == Shape::DimensionLine
                                   ? tr("&Disegna la linea")
                                   : tr("&Disegna il contorno"),
                               outline);
    m_outlined->setObjectName(QStringLiteral("outlined"));
    m_outlined->setChecked(rect.outlined() != 0);
    m_stroke = editingui::colorButton(outline, QStringLiteral("strokeColor"));
    m_stroke->setColor(editingui::rgbColor(rect.stroke().solidColor));
    m_strokeAlpha = new QSlider(Qt::Horizontal, outline);
    m_strokeAlpha->setObjectName(QStringLiteral("strokeAlpha"));
    m_strokeAlpha->setRange(0, 255);
    m_strokeAlpha->setInvertedAppearance(true);
    m_strokeAlpha->setValue(static_cast<int>(rect.stroke().solidColor >> 24));
    m_penWidth = new QDoubleSpinBox(outline);
    m_penWidth->setObjectName(QStringLiteral("penWidth"));
    m_penWidth->setRange(0.1, 50.0);
    m_penWidth->setSingleStep(0.1);
    m_penWidth->setDecimals(1);
    m_penWidth->setSuffix(tr(" mm"));
    m_penWidth->setValue(rect.penWidth());
    auto *alphaRow = new QHBoxLayout;
    alphaRow->addWidget(new QLabel(tr("Opaco"), outline));
    alphaRow->addWidget(m_strokeAlpha, 1);
    alphaRow->addWidget(new QLabel(tr("Trasparente"), outline));
    auto *outlineForm = new QFormLayout(outline);
    outlineForm->addRow(m_outlined);
    outlineForm->addRow(tr("&Colore:"), m_stroke);
    outlineForm->addRow(QString(), alphaRow);
    outlineForm->addRow(tr("&Spessore:"), m_penWidth);
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_position);
    generalLayout->addWidget(outline);
    if (rect.shape() == Shape::RoundRectangle) {
        auto *corners = new QGroupBox(tr("Angoli arrotondati"), general);
        m_cornerWidth = new QSpinBox(corners);
        m_cornerWidth->setObjectName(QStringLiteral("cornerWidth"));
        m_cornerHeight = new QSpinBox(corners);
        m_cornerHeight->setObjectName(QStringLiteral("cornerHeight"));
        for (QSpinBox *s : {m_cornerWidth, m_cornerHeight}) {
            s->setRange(0, 1000);
            s->setSuffix(tr(" mm"));
        }
        m_cornerWidth->setValue(rect.roundness().x);
        m_cornerHeight->setValue(rect.roundness().y);
        auto *cornersForm = new QFormLayout(corners);
        cornersForm->addRow(tr("La&rghezza dell'angolo:"), m_cornerWidth);
        cornersForm->addRow(tr("Al&tezza dell'angolo:"), m_cornerHeight);
        generalLayout->addWidget(corners);
    }
    generalLayout->addStretch(1);
    addPage(general, tr("Generale"));

    if (hasFill(rect.shape())) {
        m_background = new CBackgroundPage(rect.fill(), this);
        addPage(m_background, tr("Sfondo"));
    }
    if (hasText(rect.shape())) {
        auto *textPage = new QWidget(this);
        auto *textLayout = new QVBoxLayout(textPage);
        if (rect.shape() == Shape::Note) {
            m_noteText = new QPlainTextEdit(rect.label2().text, textPage);
            m_noteText->setObjectName(QStringLiteral("text"));
            auto *label = new QLabel(tr("&Testo del commento:"), textPage);
            label->setBuddy(m_noteText);
            textLayout->addWidget(label);
            textLayout->addWidget(m_noteText, 1);
        } else {
            textLayout->addWidget(new QLabel(
                tr("La quota mostra la distanza tra i due punti in millimetri."), textPage));
        }
        auto *style = new QPushButton(tr("S&tile..."), textPage);
        style->setObjectName(QStringLiteral("textStyle"));
        auto *styleRow = new QHBoxLayout;
        styleRow->addStretch(1);
        styleRow->addWidget(style);
        textLayout->addLayout(styleRow);
        textLayout->addStretch(rect.shape() == Shape::Note ? 0 : 1);
        addPage(textPage, tr("Testo"));
        connect(style, &QPushButton::clicked, this, &CRectSheet::editTextStyle);
    }
    resize(460, 500);
}

void CRectSheet::editTextStyle()
{
    LabelStyle current = m_text;
    if (m_noteText)
        current.text = m_noteText->toPlainText();
    CFontSheet sheet(current, this);
    if (platform::ui::execDialog(sheet) == QDialog::Accepted)
        m_text = sheet.label();
}

void CRectSheet::accept()
{
    BrushStyle fill = m_rect.fill();
    if (m_background && !m_background->commit(fill))
        return;
    // A line keeps its direction: its start stays the corner it was.
    const geokit::Rect before = m_rect.position();
    geokit::Rect position = m_position->position();
    if (before.left > before.right)
        std::swap(position.left, position.right);
    if (before.top > before.bottom)
        std::swap(position.top, position.bottom);
    geokit::Rect normalizedBefore = before;
    normalizedBefore.normalize();
    if (m_position->position() == normalizedBefore)
        position = before;

    m_doc.CheckPoint();
    if (m_rect.document())
        m_rect.Invalidate();
    m_rect.MoveTo(position, nullptr);
    m_rect.setOutlined(m_outlined->isChecked() ? 1 : 0);
    BrushStyle stroke = m_rect.stroke();
    stroke.solidColor = editingui::argb(m_stroke->effectiveColor(), m_strokeAlpha->value());
    m_rect.setStroke(stroke);
    m_rect.setPenWidth(static_cast<float>(m_penWidth->value()));
    if (m_cornerWidth)
        m_rect.setRoundness({m_cornerWidth->value(), m_cornerHeight->value()});
    m_rect.setFill(fill);
    LabelStyle text = m_text;
    if (m_noteText)
        text.text = m_noteText->toPlainText();
    m_rect.setLabel2(text);
    if (m_rect.document())
        m_rect.Invalidate();
    m_doc.SetModifiedFlag();
    CPropertySheet::accept();
}
