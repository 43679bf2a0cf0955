#pragma once

#include "editor/tools/autoformat.h"

#include <QWizard>

class QCheckBox;
class QTreeWidget;

namespace platform {
class Registry;
}

// "Formattazione automatica": a style of the gallery and what of the plan it
// may change. The welcome page is skipped while WizardAutoFormatHideWelcome
// is 1.
class CAutoFormatWizard : public QWizard
{
    Q_OBJECT
public:
    enum PageId
    {
        WelcomePage = 0,
        GalleryPage = 1,
        OptionsPage = 2
    };

    explicit CAutoFormatWizard(platform::Registry &registry, QWidget *parent = nullptr);

    // The chosen gallery style, or -1 while a group is selected.
    [[nodiscard]] int style() const;
    bool setStyle(int style);
    [[nodiscard]] editing::AutoFormatOptions options() const;
    void setOptions(const editing::AutoFormatOptions &options);
    [[nodiscard]] QTreeWidget *gallery() const { return m_gallery; }

    bool validateCurrentPage() override;
    void accept() override;

private:
    platform::Registry &m_registry;
    QCheckBox *m_hideWelcome;
    QTreeWidget *m_gallery;
    QCheckBox *m_walls;
    QCheckBox *m_patterns;
    QCheckBox *m_colours;
    QCheckBox *m_backgrounds;
    QCheckBox *m_captions;
};
