#include "editor/cfontsheet.h"

#include "editor/cbackgroundpage.h"
#include "model/rendertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

constexpr int boldWeight = 700;
constexpr int normalWeight = 400;

QComboBox *combo(QWidget *parent, const QString &name, const QStringList &items, int current)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(qBound(0, current, static_cast<int>(items.size()) - 1));
    return box;
}

QCheckBox *check(QWidget *parent, const QString &text, const QString &name, bool checked)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

CFontSheet::CFontSheet(const LabelStyle &label, QWidget *parent)
    : CPropertySheet(tr("Font"), parent), m_label(label)
{
    // The text format.
    auto *format = new QWidget(this);
    m_align = combo(format, QStringLiteral("align"),
                    {tr("A sinistra"), tr("Al centro"), tr("A destra")}, label.align);
    m_lineAlign = combo(format, QStringLiteral("lineAlign"),
                        {tr("In alto"), tr("Al centro"), tr("In basso")}, label.lineAlign);
    m_trimming = combo(format, QStringLiteral("trimming"),
                       {tr("Nessuna"), tr("Al carattere"), tr("Alla parola"),
                        tr("Al carattere, con i puntini"), tr("Alla parola, con i puntini"),
                        tr("Percorso, con i puntini")},
                       label.trimming);
    m_noKerning = check(format, tr("Disabilita &kerning dei caratteri"),
                        QStringLiteral("noKerning"), label.noKerning != 0);
    m_noLigatures = check(format, tr("Disabilita &legatura automatica dei caratteri"),
                          QStringLiteral("noLigatures"), label.noLigatures != 0);
    m_shadow = check(format, tr("&Ombreggiatura"), QStringLiteral("shadow"), label.shadow != 0);
    m_case = combo(format, QStringLiteral("textCase"),
                   {tr("Come è stato scritto"), tr("Tutto minuscolo"), tr("Tutto maiuscolo")},
                   label.textCase == 0   ? 0
                   : label.textCase == 1 ? 1
                                         : 2);
    auto *alignment = new QGroupBox(tr("Allineamento"), format);
    auto *alignForm = new QFormLayout(alignment);
    alignForm->addRow(tr("&Orizzontale:"), m_align);
    alignForm->addRow(tr("&Verticale:"), m_lineAlign);
    auto *advanced = new QGroupBox(tr("Opzioni avanzate"), format);
    auto *advancedForm = new QFormLayout(advanced);
    advancedForm->addRow(tr("&Troncatura della stringa:"), m_trimming);
    advancedForm->addRow(m_noKerning);
    advancedForm->addRow(m_noLigatures);
    advancedForm->addRow(m_shadow);
    advancedForm->addRow(tr("&Maiuscole e minuscole:"), m_case);
    auto *formatLayout = new QVBoxLayout(format);
    formatLayout->addWidget(alignment);
    formatLayout->addWidget(advanced);
    formatLayout->addStretch(1);
    addPage(format, tr("Formato testo"));

    // The colour of the text.
    m_colour = new CBackgroundPage(label.textBrush, this);
    addPage(m_colour, tr("Sfondo"));

    // The characters.
    auto *text = new QWidget(this);
    m_face = new QFontComboBox(text);
    m_face->setObjectName(QStringLiteral("face"));
    m_face->setCurrentFont(QFont(label.font.face()));
    m_shownFamily = m_face->currentFont().family();
    m_height = new QSpinBox(text);
    m_height->setObjectName(QStringLiteral("height"));
    m_height->setRange(1, 500);
    m_height->setValue(qBound(1, std::abs(label.font.height), 500));
    m_height->setSuffix(tr(" mm"));
    m_bold = check(text, tr("&Grassetto"), QStringLiteral("bold"), label.font.weight >= 600);
    m_italic = check(text, tr("&Corsivo"), QStringLiteral("italic"), label.font.italic != 0);
    m_underline =
        check(text, tr("&Sottolineato"), QStringLiteral("underline"), label.font.underline != 0);
    m_strikeOut =
        check(text, tr("&Barrato"), QStringLiteral("strikeOut"), label.font.strikeOut != 0);
    m_sample = new QLabel(tr("AaBbCcYyZz 0123"), text);
    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(60);
    m_sample->setFrameShape(QFrame::StyledPanel);
    auto *textForm = new QFormLayout;
    textForm->addRow(tr("&Tipo di carattere:"), m_face);
    textForm->addRow(tr("&Altezza:"), m_height);
    auto *effects = new QGroupBox(tr("Stile ed effetti"), text);
    auto *effectsLayout = new QVBoxLayout(effects);
    for (QCheckBox *c : {m_bold, m_italic, m_underline, m_strikeOut})
        effectsLayout->addWidget(c);
    auto *textLayout = new QVBoxLayout(text);
    textLayout->addLayout(textForm);
    textLayout->addWidget(effects);
    textLayout->addWidget(new QLabel(tr("Anteprima:"), text));
    textLayout->addWidget(m_sample);
    textLayout->addStretch(1);
    addPage(text, tr("Carattere"));

    connect(m_face, &QFontComboBox::currentFontChanged, this, &CFontSheet::updateSample);
    for (QCheckBox *c : {m_bold, m_italic, m_underline, m_strikeOut})
        connect(c, &QCheckBox::toggled, this, &CFontSheet::updateSample);
    connect(m_case, &QComboBox::currentIndexChanged, this, &CFontSheet::updateSample);
    connect(m_colour, &CBackgroundPage::changed, this, &CFontSheet::updateSample);
    updateSample();
    resize(440, 460);
}

LabelStyle CFontSheet::currentLabel() const
{
    LabelStyle l = m_label;
    l.align = m_align->currentIndex();
    l.lineAlign = m_lineAlign->currentIndex();
    l.trimming = static_cast<quint16>(m_trimming->currentIndex());
    l.noKerning = m_noKerning->isChecked() ? 1 : 0;
    l.noLigatures = m_noLigatures->isChecked() ? 1 : 0;
    l.shadow = m_shadow->isChecked() ? 1 : 0;
    // A case value the list does not name (3 and above shows upper case)
    // stays as it was unless the user picks another entry.
    const int caseEntry = m_case->currentIndex();
    if (caseEntry != (m_label.textCase == 0 ? 0 : m_label.textCase == 1 ? 1 : 2))
        l.textCase = caseEntry;
    l.textBrush = m_colour->currentStyle();
    // The list shows the installed face nearest the stored one; the stored
    // name changes only when the user picks another face.
    if (m_face->currentFont().family() != m_shownFamily)
        l.font.setFace(m_face->currentFont().family());
    const int height = m_height->value();
    if (height != std::abs(m_label.font.height))
        l.font.height = m_label.font.height < 0 ? -height : height;
    if (m_bold->isChecked() != (m_label.font.weight >= 600))
        l.font.weight = m_bold->isChecked() ? boldWeight : normalWeight;
    l.font.italic = m_italic->isChecked() ? 1 : 0;
    l.font.underline = m_underline->isChecked() ? 1 : 0;
    l.font.strikeOut = m_strikeOut->isChecked() ? 1 : 0;
    return l;
}

void CFontSheet::updateSample()
{
    const LabelStyle l = currentLabel();
    QFont font(m_face->currentFont().family());
    font.setPointSize(16);
    font.setBold(m_bold->isChecked());
    font.setItalic(m_italic->isChecked());
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strikeOut->isChecked());
    m_sample->setFont(font);
    LabelStyle sample = l;
    sample.text = tr("AaBbCcYyZz 0123");
    m_sample->setText(model::displayText(sample));
    const QColor colour = QColor::fromRgba(l.textBrush.solidColor);
    m_sample->setStyleSheet(
        QStringLiteral("color: rgba(%1, %2, %3, %4)")
            .arg(colour.red())
            .arg(colour.green())
            .arg(colour.blue())
            .arg(l.textBrush.fillKind == BrushStyle::fillNone ? 0 : colour.alpha()));
}

void CFontSheet::accept()
{
    BrushStyle colour = m_label.textBrush;
    if (!m_colour->commit(colour))
        return;
    m_label = currentLabel();
    m_label.textBrush = colour;
    CPropertySheet::accept();
}
