#pragma once

#include "editor/tools/documenttype.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

// "Modifica il tipo di documento": normal or placard; for a placard the
// sheet's size and margins can be fitted. Opens on "Documento normale"
// whatever the document is.
class CDocTypeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CDocTypeDlg(QWidget *parent = nullptr);

    [[nodiscard]] editing::DocumentTypeChoice choice() const;

private:
    void updateEnabling();

    QRadioButton *m_normal;
    QRadioButton *m_placard;
    QCheckBox *m_fitSize;
    QCheckBox *m_fitBorders;
};
