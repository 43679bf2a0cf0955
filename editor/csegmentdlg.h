#pragma once

#include "geokit/geokit.h"

#include <QDialog>

class QDial;
class QLabel;
class QLineEdit;

// "Proprietà estese" of one wall: its description, where it lies, its
// length on the sheet and in reality. The end vertex can be turned about the
// start by 90°, 180° or the slider's angle, or moved along the wall by typing
// a new length on the sheet.
class CSegmentDlg : public QDialog
{
    Q_OBJECT
public:
    CSegmentDlg(const QString &description, geokit::Point start, geokit::Point end, double scale,
                QWidget *parent = nullptr);

    [[nodiscard]] QString description() const;
    [[nodiscard]] geokit::Point end() const { return m_end; }
    [[nodiscard]] geokit::Point start() const { return m_start; }

    void rotateEnd(double angleDeg);
    // The slider's angle, degrees.
    void setSliderAngle(int angleDeg);
    [[nodiscard]] int sliderAngle() const;
    // A new length on the sheet moves the end vertex along the wall; false
    // for text that is not a length.
    bool setSheetLength(const QString &text);
    [[nodiscard]] QString positionText() const;
    [[nodiscard]] QString sheetLengthText() const;
    [[nodiscard]] QString realLengthText() const;

    void accept() override;

private:
    void refresh();

    geokit::Point m_start;
    geokit::Point m_end;
    double m_scale;
    QLineEdit *m_description;
    QLabel *m_position;
    QLineEdit *m_sheetLength;
    QLabel *m_realLength;
    QDial *m_dial;
    QLabel *m_dialAngle;
};
