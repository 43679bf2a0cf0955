#pragma once

#include "editor/projectfile.h"

#include <QWidget>

#include <functional>

class QFileSystemModel;
class QLabel;
class QListView;
class QListWidget;
class QTabWidget;
class QToolButton;

namespace platform {
class Registry;
}

// The "Progetto" bar: the documents of the current project workspace and,
// on a second tab, the favourites. Opening a document is the frame's job:
// the bar asks for it with openDocumentRequested.
class CProjectBar : public QWidget
{
    Q_OBJECT
public:
    CProjectBar(platform::Registry &reg, const QString &programFolder, QWidget *parent = nullptr);

    // The full path of the active document ("" when it was never saved).
    void setActiveDocumentProvider(std::function<QString()> provider)
    {
        m_activeDocument = std::move(provider);
    }

    [[nodiscard]] const ProjectFile &project() const { return m_project; }
    [[nodiscard]] QString caption() const;
    [[nodiscard]] QListWidget *documentList() const { return m_list; }
    [[nodiscard]] QString favouritesFolder() const;

    // The bar's commands; the dialogs go through the message layer.
    void newProject();
    void openProject();
    void addDocument();
    void addActiveDocument();
    void removeSelected();
    void addSelectedToFavourites();
    // Double click on an entry.
    void openEntry(int index);
    // Opens a project file without asking (also used by the dialogs).
    void loadProject(const QString &path);
    void addPath(const QString &path);

signals:
    void openDocumentRequested(const QString &path);
    void captionChanged(const QString &caption);

private:
    QString askFile(bool save, const QString &filter, const QString &suffix,
                    const QString &initialName, const QString &folderSetting);
    void reportError(const ProjectFile::Error &error);
    void rewrite();
    void refreshList();
    void updateCaption();

    platform::Registry &m_reg;
    QString m_programFolder;
    ProjectFile m_project;
    std::function<QString()> m_activeDocument;
    QLabel *m_caption;
    QTabWidget *m_tabs;
    QListWidget *m_list;
    QListView *m_favourites;
    QFileSystemModel *m_favouritesModel;
};
