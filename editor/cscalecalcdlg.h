#pragma once

#include <QDialog>

#include <optional>

class QDoubleSpinBox;
class QLineEdit;

// The scale arithmetic of the "Calcolo del fattore di scala" dialog:
// millimetres of sheet per metre of the real area, the smaller of the two
// axes so that the whole area fits.
struct ScaleCalculation
{
    float sheetWidthMm = 210;
    float sheetLengthMm = 297;
    // The sheet a document kind uses: 210 × 297 for a normal plan, 150 × 100
    // for a placard or a Printnet page.
    static ScaleCalculation forKind(int docType);
    // Empty when either real size is 0.
    [[nodiscard]] std::optional<float> scaleFor(float realWidthM, float realLengthM) const;
};

// "Calcolo del fattore di scala": proposes a scale from the real size of the
// area to draw.
class CScaleCalcDlg : public QDialog
{
    Q_OBJECT
public:
    CScaleCalcDlg(int docType, QWidget *parent = nullptr);

    [[nodiscard]] float scale() const;
    void setRealSize(float widthM, float lengthM);
    // The calculation button.
    void calculate();

private:
    ScaleCalculation m_calc;
    QDoubleSpinBox *m_realLength; // 1271
    QDoubleSpinBox *m_realWidth;  // 1079
    QLineEdit *m_sheetLength;     // 1272
    QLineEdit *m_sheetWidth;      // 1080
    QLineEdit *m_scale;           // 1081
};
