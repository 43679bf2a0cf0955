#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QTabWidget;
struct EditorOptions;
struct ForceInsideFlags;

// "Opzioni": the "Generale" page (only when ShowFullOptions is set), the
// "Prestazioni" page and, added by the caller, the "Griglia e guide" page.
// Pages show the options when the sheet opens and write them on OK only.
class COptionsSheet : public QDialog
{
    Q_OBJECT
public:
    COptionsSheet(EditorOptions &options, ForceInsideFlags &force, bool showFullOptions,
                  QWidget *parent = nullptr);

    // Adds a further page; apply runs when the sheet is confirmed.
    void addPage(QWidget *page, const QString &title, std::function<void()> apply = {});

    [[nodiscard]] QTabWidget *tabs() const { return m_tabs; }
    [[nodiscard]] QStringList pageTitles() const;

    // The quality presets: the list entries and their descriptions.
    [[nodiscard]] static QStringList presetNames();
    [[nodiscard]] static QString presetDescription(int index);

    void accept() override;

private:
    struct Box
    {
        QCheckBox *box;
        int *option;
    };
    QWidget *buildGeneralPage();
    QWidget *buildPerformancePage();

    EditorOptions &m_options;
    ForceInsideFlags &m_force;
    QTabWidget *m_tabs;
    std::vector<Box> m_boxes;
    QListWidget *m_presets = nullptr;
    QLabel *m_description = nullptr;
    std::vector<std::function<void()>> m_appliers;
};
