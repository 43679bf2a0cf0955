#include "editor/cgridguidespage.h"

#include "platform/messagebox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QComboBox *penStyleBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    const char *names[penStyleCount] = {"Continua", "Tratteggiata", "Punteggiata", "Tratto e punto",
                                        "Tratto e due punti"};
    for (int i = 0; i < penStyleCount; ++i) {
        QPixmap sample(48, 12);
        sample.fill(Qt::transparent);
        QPainter p(&sample);
        p.setPen(QPen(Qt::black, 1.5, penStyleAt(i)));
        p.drawLine(2, 6, 46, 6);
        p.end();
        box->addItem(QIcon(sample), QCoreApplication::translate("CGridGuidesPage", names[i]));
    }
    box->setIconSize(QSize(48, 12));
    return box;
}

} // namespace

CGridGuidesPage::CGridGuidesPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("238"));
    auto *guides = new QGroupBox(tr("Guide"), this);
    m_guideStyle = penStyleBox(guides);
    m_guideColour = colourButton(&m_settings.guideColour);
    m_showGuides = new QCheckBox(tr("&Mostra i margini del foglio"), guides);
    m_guideWidth = new QSpinBox(guides);
    m_guideWidth->setRange(1, 20);
    m_guideWidth->setSuffix(tr(" decimi di mm"));
    auto *guideForm = new QFormLayout(guides);
    guideForm->addRow(m_showGuides);
    guideForm->addRow(tr("&Stile:"), m_guideStyle);
    guideForm->addRow(tr("&Colore:"), m_guideColour);
    guideForm->addRow(tr("S&pessore:"), m_guideWidth);

    auto *grid = new QGroupBox(tr("Griglia"), this);
    m_showGrid = new QCheckBox(tr("Mostra la &griglia"), grid);
    m_printGrid = new QCheckBox(tr("Stampa ed esporta la griglia"), grid);
    m_dots = new QRadioButton(tr("A &punti"), grid);
    m_squares = new QRadioButton(tr("A &quadretti"), grid);
    auto *kind = new QHBoxLayout;
    kind->addWidget(m_dots);
    kind->addWidget(m_squares);
    kind->addStretch();
    m_gridColour = colourButton(&m_settings.gridColour);
    m_gridStyle = penStyleBox(grid);
    m_lineColour = colourButton(&m_settings.lineColour);
    m_spacing = new QSpinBox(grid);
    m_spacing->setRange(1, 100);
    m_spacing->setSuffix(tr(" mm"));
    m_majorEvery = new QSpinBox(grid);
    m_majorEvery->setRange(1, 20);
    auto *gridForm = new QFormLayout(grid);
    gridForm->addRow(m_showGrid);
    gridForm->addRow(tr("Disegna:"), kind);
    gridForm->addRow(tr("Co&lore della griglia:"), m_gridColour);
    gridForm->addRow(tr("Stile delle &linee:"), m_gridStyle);
    gridForm->addRow(tr("Colore dei p&unti e delle linee principali:"), m_lineColour);
    gridForm->addRow(tr("&Passo:"), m_spacing);
    gridForm->addRow(tr("Linea principale &ogni:"), m_majorEvery);
    gridForm->addRow(m_printGrid);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(guides);
    layout->addWidget(grid);
    layout->addStretch();
    setSettings(m_settings);
}

QPushButton *CGridGuidesPage::colourButton(QRgb *colour)
{
    auto *button = new QPushButton(this);
    button->setMinimumWidth(90);
    connect(button, &QPushButton::clicked, this, [this, button, colour] {
        QColorDialog dialog(QColor::fromRgb(*colour), this);
        dialog.setWindowTitle(tr("Colore"));
        if (platform::ui::execDialog(dialog) != QDialog::Accepted)
            return;
        *colour = dialog.selectedColor().rgb();
        showColour(button, *colour);
    });
    return button;
}

void CGridGuidesPage::showColour(QPushButton *button, QRgb colour)
{
    QPixmap swatch(40, 14);
    swatch.fill(QColor::fromRgb(colour));
    QPainter p(&swatch);
    p.setPen(Qt::darkGray);
    p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    p.end();
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
    button->setToolTip(QColor::fromRgb(colour).name().toUpper());
}

void CGridGuidesPage::setSettings(const GridGuideSettings &settings)
{
    m_settings = settings;
    m_guideStyle->setCurrentIndex(std::clamp(settings.guidePenStyle, 0, penStyleCount - 1));
    m_gridStyle->setCurrentIndex(std::clamp(settings.gridPenStyle, 0, penStyleCount - 1));
    m_showGuides->setChecked(settings.showGuides != 0);
    m_guideWidth->setValue(settings.guideWidthTenthsMm);
    m_showGrid->setChecked(settings.showGrid != 0);
    m_printGrid->setChecked(settings.printGrid != 0);
    m_dots->setChecked(settings.gridAsDots);
    m_squares->setChecked(!settings.gridAsDots);
    m_spacing->setValue(settings.spacingMm);
    m_majorEvery->setValue(settings.majorEvery);
    showColour(m_guideColour, settings.guideColour);
    showColour(m_gridColour, settings.gridColour);
    showColour(m_lineColour, settings.lineColour);
}

GridGuideSettings CGridGuidesPage::settings() const
{
    GridGuideSettings s = m_settings;
    s.guidePenStyle = m_guideStyle->currentIndex();
    s.gridPenStyle = m_gridStyle->currentIndex();
    s.showGuides = m_showGuides->isChecked() ? 1 : 0;
    s.guideWidthTenthsMm = m_guideWidth->value();
    s.showGrid = m_showGrid->isChecked() ? 1 : 0;
    s.printGrid = m_printGrid->isChecked() ? 1 : 0;
    s.gridAsDots = m_dots->isChecked();
    s.spacingMm = m_spacing->value();
    s.majorEvery = m_majorEvery->value();
    return s;
}

bool editGridGuides(QWidget *parent, GridGuideSettings &settings)
{
    QDialog sheet(parent);
    sheet.setWindowTitle(QCoreApplication::translate("CGridGuidesPage", "Proprietà"));
    auto *tabs = new QTabWidget(&sheet);
    auto *page = new CGridGuidesPage(tabs);
    page->setSettings(settings);
    tabs->addTab(page, QCoreApplication::translate("CGridGuidesPage", "Generale"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &sheet);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CGridGuidesPage", "Annulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &sheet, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &sheet, &QDialog::reject);
    auto *layout = new QVBoxLayout(&sheet);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    if (platform::ui::execDialog(sheet) != QDialog::Accepted)
        return false;
    settings = page->settings();
    return true;
}
