#pragma once

#include "editor/tipfile.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace platform {
class Registry;
}

// "Suggerimento del giorno": one tip from "tips.txt", the next on request.
class CTipDlg : public QDialog
{
    Q_OBJECT
public:
    CTipDlg(platform::Registry &reg, const QString &tipsPath, QWidget *parent = nullptr);
    ~CTipDlg() override;

    // Whether the tip is to be shown at start-up ("StartUp" is 0).
    [[nodiscard]] static bool showAtStartup(const platform::Registry &reg);

    [[nodiscard]] QString tipText() const;
    void showNextTip();
    // "&Chiudi": remembers the check box, then closes.
    void closeDialog();

private:
    platform::Registry &m_reg;
    TipFile m_tips;
    QLabel *m_text;
    QCheckBox *m_showAtStartup;
};
