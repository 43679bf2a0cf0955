#include "gtcolordialog.h"

#include "caboutdlg.h"
#include "colourpicker/colormode.h"
#include "colourpicker/colortext.h"
#include "dialogunits.h"
#include "gtcolorselectorwnd.h"
#include "gtcolorsliderwnd.h"
#include "gtcolorwellwnd.h"
#include "platform/messagebox.h"
#include "programicon.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

using namespace colourpicker;

namespace {

constexpr int idColorField = 1000;
constexpr int idSlider = 1001;
constexpr int idWell = 1002;

// Shows the start of the text, as a box too narrow for it should.
void setBoxText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

GTColorDialog::GTColorDialog(COLORREF startColor, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("102"));
    setWindowTitle(tr("Chromatrix"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    createControls();

    m_field->setSlider(m_slider);
    m_field->setWell(m_well);
    m_well->setColorField(m_field);
    connect(m_well, &GTColorWellWnd::colorTaken, this, &GTColorDialog::RefreshEditBoxes);
    m_slider->setColorField(m_field);
    m_field->SetMode(modeMaxOnTop + modeH);
    m_slider->SetMode(modeMaxOnTop + modeH);
    // Filling the boxes runs through the announcements.
    m_field->SetColor(startColor);

    // The hex box in the fixed-pitch face of the size of its own font.
    QFont hexFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (m_hex->font().pointSizeF() > 0)
        hexFont.setPointSizeF(m_hex->font().pointSizeF());
    else
        hexFont.setPixelSize(m_hex->font().pixelSize());
    m_hex->setFont(hexFont);
    setBoxText(m_hex, editBoxTexts(startColor).hex);
}

void GTColorDialog::createControls()
{
    const DialogUnits du(font());

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(du.rect(235, 15, 50, 14));
    connect(ok, &QPushButton::clicked, this, &GTColorDialog::accept);

    auto *colourLabel = new QLabel(tr("Colore:"), this);
    colourLabel->setGeometry(du.rect(7, 7, 61, 8));

    m_field = new GTColorSelectorWnd(idColorField, this);
    m_field->setGeometry(du.rect(7, 18, 153, 152));
    m_field->setWhatsThis(tr("Campo dei colori: trascinare il cerchio con il mouse o spostarlo "
                             "con i tasti freccia per scegliere le due componenti del colore "
                             "che il cursore a destra non controlla."));
    m_well = new GTColorWellWnd(idWell, this);
    m_well->setGeometry(du.rect(195, 15, 35, 37));
    m_well->setWhatsThis(tr("Anteprima del colore scelto."));
    m_slider = new GTColorSliderWnd(idSlider, this);
    m_slider->setGeometry(du.rect(160, 15, 29, 160));
    m_slider->setWhatsThis(tr("Cursore: sceglie la componente indicata dal pulsante selezionato "
                              "(R, G, B, H, S o V). Si sposta con il mouse o con i tasti freccia, "
                              "Pag su, Pag giù, Home e Fine."));

    auto *modes = new QButtonGroup(this);
    const char *modeNames[] = {"R", "G", "B", "H", "S", "V"};
    const int modeTops[] = {60, 75, 90, 110, 125, 140};
    for (int mode = 0; mode < modeCount; ++mode) {
        auto *radio = new QRadioButton(QString::fromLatin1(modeNames[mode]), this);
        radio->setObjectName(QString::number(1003 + mode));
        radio->setGeometry(du.rect(195, modeTops[mode], 20, 10));
        modes->addButton(radio, mode);
        if (mode == modeH)
            radio->setChecked(true);
    }
    connect(modes, &QButtonGroup::idClicked, this, &GTColorDialog::OnModeClicked);

    const auto edit = [&](int id, QRect rect) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QString::number(id));
        box->setGeometry(rect);
        return box;
    };
    m_r = edit(1013, du.rect(220, 60, 18, 12));
    m_g = edit(1014, du.rect(220, 75, 18, 12));
    m_b = edit(1015, du.rect(220, 90, 18, 12));
    m_h = edit(1010, du.rect(220, 110, 25, 12));
    m_s = edit(1011, du.rect(220, 125, 25, 12));
    m_v = edit(1012, du.rect(220, 140, 25, 12));
    for (const auto &[x, y] : {std::pair{248, 110}, std::pair{247, 125}, std::pair{247, 140}}) {
        auto *percent = new QLabel(QStringLiteral("%"), this);
        percent->setGeometry(du.rect(x, y, 8, 8));
    }
    auto *hexLabel = new QLabel(tr("&Hex:"), this);
    hexLabel->setGeometry(du.rect(195, 160, 16, 8));
    m_hex = edit(1016, du.rect(230, 160, 40, 12));
    hexLabel->setBuddy(m_hex);

    for (QLineEdit *box : {m_r, m_g, m_b})
        connect(box, &QLineEdit::textChanged, this, &GTColorDialog::OnRgbChanged);
    for (QLineEdit *box : {m_h, m_s, m_v})
        connect(box, &QLineEdit::textChanged, this, &GTColorDialog::OnHsvChanged);
    connect(m_hex, &QLineEdit::textChanged, this, &GTColorDialog::OnHexChanged);

    setFixedSize(du.x(287), du.y(181));
}

COLORREF GTColorDialog::color() const
{
    return m_well->color();
}

void GTColorDialog::accept()
{
    platform::ui::messageBox(this, chosenColorMessage(m_well->color()), QString());
    QDialog::accept();
}

void GTColorDialog::OnModeClicked(int mode)
{
    const COLORREF color = m_field->GetColor();
    m_field->SetMode(modeMaxOnTop + mode);
    m_slider->SetMode(modeMaxOnTop + mode);
    m_field->SetColor(color);
}

void GTColorDialog::RefreshEditBoxes(COLORREF color)
{
    const EditBoxTexts texts = editBoxTexts(color);
    if (!m_rgbBusy) {
        const QScopedValueRollback guard(m_rgbBusy, true);
        setBoxText(m_r, texts.red);
        setBoxText(m_g, texts.green);
        setBoxText(m_b, texts.blue);
    }
    if (!m_hsvBusy) {
        const QScopedValueRollback guard(m_hsvBusy, true);
        setBoxText(m_h, texts.hue);
        setBoxText(m_s, texts.saturation);
        setBoxText(m_v, texts.value);
    }
    if (!m_hexBusy) {
        const QScopedValueRollback guard(m_hexBusy, true);
        setBoxText(m_hex, texts.hex);
    }
}

void GTColorDialog::OnRgbChanged()
{
    if (m_rgbBusy)
        return;
    const COLORREF color = colorFromRgbTexts(m_r->text(), m_g->text(), m_b->text());
    const QScopedValueRollback guard(m_rgbBusy, true);
    m_field->SetColor(color);
}

void GTColorDialog::OnHsvChanged()
{
    if (m_hsvBusy)
        return;
    const COLORREF color = colorFromHsvTexts(m_h->text(), m_s->text(), m_v->text());
    const QScopedValueRollback guard(m_hsvBusy, true);
    m_field->SetColor(color);
}

void GTColorDialog::OnHexChanged()
{
    if (m_hexBusy)
        return;
    const COLORREF color = colorFromHexText(m_hex->text());
    const QScopedValueRollback guard(m_hexBusy, true);
    m_field->SetColor(color);
}

void GTColorDialog::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("&Informazioni su Chromatrix..."), this, &GTColorDialog::OnAbout);
    menu.exec(event->globalPos());
}

void GTColorDialog::OnAbout()
{
    CAboutDlg about(this);
    platform::ui::execDialog(about);
}
