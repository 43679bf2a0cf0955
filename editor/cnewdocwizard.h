#pragma once

#include <QWizard>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;

namespace platform {
class Registry;
}

// "Nuovo documento": the kind of the new plan, its author and comments, and
// its scale. Finish hands the choices over through NewDocumentRequest.
class CNewDocWizard : public QWizard
{
    Q_OBJECT
public:
    enum PageId
    {
        WelcomePage = 0,
        TypePage = 1,
        PropertiesPage = 2
    };

    // Skips the welcome page when WizardNewDocHideWelcome is 1.
    explicit CNewDocWizard(platform::Registry &reg, QWidget *parent = nullptr);

    [[nodiscard]] int docType() const;
    [[nodiscard]] QString author() const;
    [[nodiscard]] QString comments() const;
    [[nodiscard]] float scale() const;

    // Copies the choices into NewDocumentRequest and sets its from-wizard flag.
    void storeRequest() const;

    // The two "A&ltre informazioni" texts.
    static QString typeInformation();
    static QString scaleInformation();

    bool validateCurrentPage() override;

private:
    platform::Registry &m_reg;
    QCheckBox *m_hideWelcome = nullptr;
    QButtonGroup *m_kind = nullptr;
    QLineEdit *m_author = nullptr;
    QLineEdit *m_comments = nullptr;
    QLineEdit *m_scale = nullptr;
};
