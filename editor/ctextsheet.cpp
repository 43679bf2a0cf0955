#include "editor/ctextsheet.h"

#include "editor/cbackgroundpage.h"
#include "editor/cfontsheet.h"
#include "editor/cpositiongroup.h"
#include "editor/editingui.h"
#include "model/cdomoradoc.h"
#include "model/cdrawtext.h"
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
#include <QVBoxLayout>

CTextSheet::CTextSheet(CDomoraDoc &doc, CDrawText &text, QWidget *parent)
    : CPropertySheet(tr("Proprietà %1").arg(text.typeName().toLower()), parent), m_doc(doc),
      m_object(text), m_label(text.text())
{
    auto *general = new QWidget(this);
    m_position = new CPositionGroup(tr("Posizione e dimensioni"), text.position(), 1, general);
    auto *frame = new QGroupBox(tr("Cornice"), general);
    m_outlined = new QCheckBox(tr("&Disegna la cornice"), frame);
    m_outlined->setObjectName(QStringLiteral("outlined"));
    m_outlined->setChecked(text.outlined() != 0);
    m_border = editingui::colorButton(frame, QStringLiteral("borderColor"));
    m_border->setColor(editingui::rgbColor(text.borderColor()));
    m_borderWidth = new QDoubleSpinBox(frame);
    m_borderWidth->setObjectName(QStringLiteral("borderWidth"));
    m_borderWidth->setRange(0.1, 50.0);
    m_borderWidth->setSingleStep(0.1);
    m_borderWidth->setDecimals(1);
    m_borderWidth->setSuffix(tr(" mm"));
    m_borderWidth->setValue(text.borderWidth());
    auto *frameForm = new QFormLayout(frame);
    frameForm->addRow(m_outlined);
    frameForm->addRow(tr("&Colore:"), m_border);
    frameForm->addRow(tr("&Spessore:"), m_borderWidth);
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_position);
    generalLayout->addWidget(frame);
    generalLayout->addStretch(1);
    addPage(general, tr("Generale"));

    auto *textPage = new QWidget(this);
    m_text = new QPlainTextEdit(text.text().text, textPage);
    m_text->setObjectName(QStringLiteral("text"));
    auto *label = new QLabel(tr("&Testo:"), textPage);
    label->setBuddy(m_text);
    auto *style = new QPushButton(tr("S&tile..."), textPage);
    style->setObjectName(QStringLiteral("textStyle"));
    auto *styleRow = new QHBoxLayout;
    styleRow->addStretch(1);
    styleRow->addWidget(style);
    auto *textLayout = new QVBoxLayout(textPage);
    textLayout->addWidget(label);
    textLayout->addWidget(m_text, 1);
    textLayout->addLayout(styleRow);
    addPage(textPage, tr("Testo"));

    m_background = new CBackgroundPage(text.fill(), this);
    addPage(m_background, tr("Sfondo"));
    connect(style, &QPushButton::clicked, this, &CTextSheet::editTextStyle);
    resize(460, 480);
}

void CTextSheet::editTextStyle()
{
    LabelStyle current = m_label;
    current.text = m_text->toPlainText();
    CFontSheet sheet(current, this);
    if (platform::ui::execDialog(sheet) == QDialog::Accepted)
        m_label = sheet.label();
}

void CTextSheet::accept()
{
    BrushStyle fill = m_object.fill();
    if (!m_background->commit(fill))
        return;
    m_doc.CheckPoint();
    if (m_object.document())
        m_object.Invalidate();
    m_object.MoveTo(m_position->position(), nullptr);
    m_object.setOutlined(m_outlined->isChecked() ? 1 : 0);
    m_object.setBorderColor(editingui::argb(m_border->effectiveColor()));
    m_object.setBorderWidth(static_cast<float>(m_borderWidth->value()));
    LabelStyle label = m_label;
    label.text = m_text->toPlainText();
    m_object.setText(label);
    m_object.setFill(fill);
    if (m_object.document())
        m_object.Invalidate();
    m_doc.SetModifiedFlag();
    CPropertySheet::accept();
}
