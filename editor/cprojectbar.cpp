#include "editor/cprojectbar.h"

#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString settings = QStringLiteral("Settings");
const QString projectFilter = QStringLiteral("Progetti di Domora (*.fpw)");
const QString documentFilter = QStringLiteral("Documenti di Domora (*.fpd)");

// Image 1 of the list: a small plan sheet.
QIcon documentIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x50, 0x50, 0x50));
    p.setBrush(Qt::white);
    p.drawRect(2, 0, 11, 15);
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x8C), 1.5));
    p.drawRect(4, 3, 7, 8);
    p.drawLine(4, 7, 8, 7);
    return QIcon(pixmap);
}

} // namespace

CProjectBar::CProjectBar(platform::Registry &reg, const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_reg(reg), m_programFolder(programFolder), m_caption(new QLabel(this)),
      m_tabs(new QTabWidget(this)), m_list(new QListWidget(this)),
      m_favourites(new QListView(this)), m_favouritesModel(new QFileSystemModel(this))
{
    setWindowTitle(QStringLiteral("Progetto"));
    auto *menuButton = new QToolButton(this);
    menuButton->setText(QStringLiteral("Progetto"));
    menuButton->setToolTip(QStringLiteral("Operazioni sul progetto"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *menu = new QMenu(menuButton);
    menu->addAction(QStringLiteral("&Nuovo progetto..."), this, &CProjectBar::newProject);
    menu->addAction(QStringLiteral("&Apri progetto..."), this, &CProjectBar::openProject);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Aggiungi &documento..."), this, &CProjectBar::addDocument);
    menu->addAction(QStringLiteral("Aggiungi il documento a&ttivo"), this,
                    &CProjectBar::addActiveDocument);
    menu->addAction(QStringLiteral("&Rimuovi dal progetto"), this, &CProjectBar::removeSelected);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Aggiungi ai &Preferiti"), this,
                    &CProjectBar::addSelectedToFavourites);
    menuButton->setMenu(menu);

    m_list->setViewMode(QListView::ListMode);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { openEntry(m_list->row(item)); });

    QDir().mkpath(favouritesFolder());
    m_favouritesModel->setFilter(QDir::Files | QDir::NoDotAndDotDot | QDir::System);
    m_favouritesModel->setNameFilters({QStringLiteral("*.lnk")});
    m_favouritesModel->setNameFilterDisables(false);
    m_favourites->setModel(m_favouritesModel);
    m_favourites->setRootIndex(m_favouritesModel->setRootPath(favouritesFolder()));
    connect(m_favourites, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString target = favourites::target(m_favouritesModel->filePath(index));
        if (QFileInfo(target).isReadable())
            emit openDocumentRequested(target);
        else
            platform::ui::messageBox(
                this,
                QStringLiteral("Il file '%1' non esiste oppure non è accessibile!").arg(target), {},
                platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
    });

    m_tabs->addTab(m_list, QStringLiteral("Progetto"));
    m_tabs->addTab(m_favourites, QStringLiteral("Preferiti"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(menuButton, 0, Qt::AlignLeft);
    layout->addWidget(m_caption);
    layout->addWidget(m_tabs, 1);
    updateCaption();
}

QString CProjectBar::favouritesFolder() const
{
    return favourites::folder(
        m_programFolder,
        m_reg.readString(settings, QStringLiteral("FolderFavorites"), QStringLiteral("Favorites")));
}

QString CProjectBar::caption() const
{
    return m_project.caption();
}

void CProjectBar::updateCaption()
{
    m_caption->setText(m_project.caption());
    emit captionChanged(m_project.caption());
}

void CProjectBar::refreshList()
{
    m_list->clear();
    for (const ProjectFile::Entry &entry : m_project.entries())
        m_list->addItem(new QListWidgetItem(documentIcon(), entry.name));
}

void CProjectBar::reportError(const ProjectFile::Error &error)
{
    if (error.isError())
        platform::ui::messageBox(this, error.message(), {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Warning);
}

void CProjectBar::rewrite()
{
    reportError(m_project.write());
}

QString CProjectBar::askFile(bool save, const QString &filter, const QString &suffix,
                             const QString &initialName, const QString &folderSetting)
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    const QString folder = m_reg.readString(settings, folderSetting);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().first();
    m_reg.writeString(settings, folderSetting, QFileInfo(chosen).absolutePath());
    return chosen;
}

void CProjectBar::newProject()
{
    const QString path =
        askFile(true, projectFilter, QStringLiteral("fpw"), QStringLiteral("Domora.fpw"),
                QStringLiteral("DefaultFolderNewProject"));
    if (path.isEmpty())
        return;
    m_project.setPath(path);
    reportError(m_project.create());
    updateCaption();
}

void CProjectBar::openProject()
{
    const QString path = askFile(false, projectFilter, QStringLiteral("fpw"), {},
                                 QStringLiteral("DefaultFolderOpenProject"));
    if (!path.isEmpty())
        loadProject(path);
}

void CProjectBar::loadProject(const QString &path)
{
    m_project.setPath(path);
    const ProjectFile::Error error = m_project.read();
    refreshList();
    reportError(error);
    updateCaption();
}

void CProjectBar::addPath(const QString &path)
{
    if (m_project.add(path) == ProjectFile::AddResult::Duplicate) {
        platform::ui::messageBox(this, QStringLiteral("Il file fa già parte di questo progetto!"),
                                 {}, platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
        return;
    }
    refreshList();
}

void CProjectBar::addDocument()
{
    const QString path = askFile(false, documentFilter, QStringLiteral("fpd"), {},
                                 QStringLiteral("DefaultFolderAdd2Project"));
    if (path.isEmpty())
        return;
    addPath(path);
    rewrite();
}

void CProjectBar::addActiveDocument()
{
    const QString path = m_activeDocument ? m_activeDocument() : QString();
    if (path.isEmpty()) {
        platform::ui::messageBox(
            this,
            QStringLiteral("Per aggiungere un documento al progetto occorre che sia già stato "
                           "salvato sul disco. Salvare il documento corrente e riprovare."),
            {}, platform::ui::Buttons::Ok, platform::ui::Icon::Information);
        return;
    }
    const std::size_t before = m_project.entries().size();
    addPath(path);
    // The file is rewritten here too, or the document just added would be
    // missing the next time the project is opened.
    if (m_project.entries().size() != before)
        rewrite();
}

void CProjectBar::removeSelected()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    m_project.removeAt(row);
    delete m_list->takeItem(row);
    rewrite();
}

void CProjectBar::openEntry(int index)
{
    if (index < 0 || index >= int(m_project.entries().size()))
        return;
    const QString path = m_project.entries()[std::size_t(index)].path;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        emit openDocumentRequested(path);
        return;
    }
    const auto answer = platform::ui::messageBox(
        this,
        QStringLiteral("Il file '%1' non esiste oppure non è accessibile!\n\nCancellare il "
                       "documento dal progetto?")
            .arg(path),
        {}, platform::ui::Buttons::YesNo, platform::ui::Icon::Warning);
    if (answer != platform::ui::Answer::Yes)
        return;
    m_project.removeAt(index);
    delete m_list->takeItem(index);
    rewrite();
}

void CProjectBar::addSelectedToFavourites()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= int(m_project.entries().size()))
        return;
    const QString error =
        favourites::addLink(favouritesFolder(), m_project.entries()[std::size_t(row)].path);
    if (!error.isEmpty())
        platform::ui::messageBox(this, error, {}, platform::ui::Buttons::Ok,
                                 platform::ui::Icon::Error);
}
