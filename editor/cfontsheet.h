#pragma once

#include "editor/cpropertysheet.h"
#include "model/labelstyle.h"

class CBackgroundPage;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

// "Font": the style of a caption or a text on three pages: the text format
// (alignment, trimming, kerning, ligatures, shadow, case), "Sfondo" for the
// text's colour and the character page (face, height, weight and effects).
// It edits a copy; label() gives it back after OK.
class CFontSheet : public CPropertySheet
{
    Q_OBJECT
public:
    explicit CFontSheet(const LabelStyle &label, QWidget *parent = nullptr);

    [[nodiscard]] LabelStyle label() const { return m_label; }
    // The caption with the pages' values, as OK would store it.
    [[nodiscard]] LabelStyle currentLabel() const;

    void accept() override;

private:
    void updateSample();

    LabelStyle m_label;
    QString m_shownFamily; // the face the list showed on entry
    QComboBox *m_align;
    QComboBox *m_lineAlign;
    QComboBox *m_trimming;
    QCheckBox *m_noKerning;
    QCheckBox *m_noLigatures;
    QCheckBox *m_shadow;
    QComboBox *m_case;
    CBackgroundPage *m_colour;
    QFontComboBox *m_face;
    QSpinBox *m_height;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QCheckBox *m_underline;
    QCheckBox *m_strikeOut;
    QLabel *m_sample;
};
