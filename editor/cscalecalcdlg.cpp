#include "editor/cscalecalcdlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

ScaleCalculation ScaleCalculation::forKind(int docType)
{
    if (docType == 1 || docType == 2)
        return {150, 100};
    return {210, 297};
}

std::optional<float> ScaleCalculation::scaleFor(float realWidthM, float realLengthM) const
{
    if (realWidthM == 0 || realLengthM == 0)
        return std::nullopt;
    const float a = sheetWidthMm / realWidthM;
    const float b = sheetLengthMm / realLengthM;
    return a < b ? a : b;
}

namespace {

QString number(float value)
{
    return QLocale().toString(double(value), 'g', 6);
}

} // namespace

CScaleCalcDlg::CScaleCalcDlg(int docType, QWidget *parent)
    : QDialog(parent), m_calc(ScaleCalculation::forKind(docType)),
      m_realLength(new QDoubleSpinBox(this)), m_realWidth(new QDoubleSpinBox(this)),
      m_sheetLength(new QLineEdit(this)), m_sheetWidth(new QLineEdit(this)),
      m_scale(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Calcolo del fattore di scala"));
    for (QDoubleSpinBox *box : {m_realLength, m_realWidth}) {
        box->setRange(0, 50000);
        box->setDecimals(2);
        box->setSuffix(QString());
    }
    m_realLength->setObjectName(QStringLiteral("1271"));
    m_realWidth->setObjectName(QStringLiteral("1079"));
    m_sheetLength->setObjectName(QStringLiteral("1272"));
    m_sheetWidth->setObjectName(QStringLiteral("1080"));
    m_scale->setObjectName(QStringLiteral("1081"));
    m_sheetLength->setReadOnly(true);
    m_sheetWidth->setReadOnly(true);
    m_sheetLength->setText(number(m_calc.sheetLengthMm));
    m_sheetWidth->setText(number(m_calc.sheetWidthMm));
    m_scale->setText(number(0));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Dimensioni reali"), this), 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Dimensioni del foglio"), this), 0, 3, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("&Lunghezza:"), this), 1, 0);
    grid->addWidget(m_realLength, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("[m]"), this), 1, 2);
    grid->addWidget(m_sheetLength, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("[mm]"), this), 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("L&arghezza:"), this), 2, 0);
    grid->addWidget(m_realWidth, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("[m]"), this), 2, 2);
    grid->addWidget(m_sheetWidth, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("[mm]"), this), 2, 4);
    static_cast<QLabel *>(grid->itemAtPosition(1, 0)->widget())->setBuddy(m_realLength);
    static_cast<QLabel *>(grid->itemAtPosition(2, 0)->widget())->setBuddy(m_realWidth);
    grid->addWidget(
        new QLabel(QStringLiteral("Fattore di scala più indicato per le dimensioni specificate:"),
                   this),
        3, 0, 1, 4);
    grid->addWidget(m_scale, 4, 0, 1, 2);
    auto *calculateButton = new QPushButton(QStringLiteral("&Calcola"), this);
    grid->addWidget(calculateButton, 4, 3, 1, 2);
    connect(calculateButton, &QPushButton::clicked, this, &CScaleCalcDlg::calculate);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

float CScaleCalcDlg::scale() const
{
    bool ok = false;
    const float value = QLocale().toFloat(m_scale->text(), &ok);
    return ok ? value : 0.0f;
}

void CScaleCalcDlg::setRealSize(float widthM, float lengthM)
{
    m_realWidth->setValue(widthM);
    m_realLength->setValue(lengthM);
}

void CScaleCalcDlg::calculate()
{
    const auto scale = m_calc.scaleFor(float(m_realWidth->value()), float(m_realLength->value()));
    if (!scale)
        return;
    m_scale->setText(number(*scale));
}
