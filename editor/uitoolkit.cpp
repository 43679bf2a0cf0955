#include "editor/uitoolkit.h"

#include "editor/editoricons.h"
#include "editor/strings.h"
#include "model/cdomoradoc.h"
#include "platform/messagebox.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/neworopendialog.h"
#include "toolkit/visualmanager.h"
#include "toolkit/workspace.h"

#include <QCoreApplication>
#include <QFileInfo>

int runToolkitDialog(QDialog &dialog)
{
    return platform::ui::dialogResponderInstalled() ? platform::ui::execDialog(dialog)
                                                    : dialog.QDialog::exec();
}

UiToolkit::UiToolkit() : m_workspace(std::make_unique<toolkit::Workspace>(QStringLiteral("Domora")))
{
}

UiToolkit::~UiToolkit() = default;

void UiToolkit::setRegistryBase(const QString &base)
{
    m_workspace->setRegistryBase(base);
}

QString UiToolkit::registryBase() const
{
    return m_workspace->registryBase();
}

bool UiToolkit::loadLanguageLibrary(const QString &path)
{
    m_language = toolkit::LanguageLibrary::load(path);
    return m_language != nullptr;
}

void UiToolkit::installLanguageLibrary()
{
    if (m_language)
        m_language->install();
}

void UiToolkit::freeLanguageLibrary()
{
    m_language.reset();
}

void UiToolkit::initManagers(const QString &skinsFolder)
{
    m_workspace->initContextMenuManager();
    m_workspace->initKeyboardManager();
    m_workspace->initShellManager();
    m_workspace->initSkinManager(skinsFolder);
}

bool UiToolkit::enableTearOffMenus(int firstId, int lastId)
{
    return m_workspace->enableTearOffMenus(firstId, lastId);
}

bool UiToolkit::enableUserTools(int dummyCommand, int firstCommand, int lastCommand)
{
    return m_workspace->enableUserTools(dummyCommand, firstCommand, lastCommand);
}

bool UiToolkit::userToolsEnabled() const
{
    return m_workspace->userToolsManager() != nullptr;
}

void UiToolkit::destroyVisualManager()
{
    toolkit::VisualManager::destroyInstance();
}

void UiToolkit::globalCleanUp()
{
    toolkit::Workspace::cleanUp();
}

StartChoice UiToolkit::runStartDialog(QWidget *parent, const QStringList &recentFiles)
{
    toolkit::NewOrOpenDialog dialog(editorString(strings::AppName), {CDomoraDoc::fileFilter()},
                                    parent);
    dialog.setWindowIcon(editoricons::applicationIcon());
    // The image list holds icons 234, 235, 236 and 328; each item names its image.
    dialog.setImageList(editoricons::newDocumentImages());
    dialog.addNewItem(QCoreApplication::translate("StartDialog", "Creazione guidata"), 1);
    dialog.addNewItem(QCoreApplication::translate("StartDialog", "Normale"), 3);
    dialog.addNewItem(QCoreApplication::translate("StartDialog", "Cartello"), 0);
    dialog.addNewItem(QCoreApplication::translate("StartDialog", "Printnet"), 2);
    dialog.setRecentFiles(recentFiles);
    if (!recentFiles.isEmpty())
        dialog.setOpenFolder(QFileInfo(recentFiles.first()).absolutePath());
    if (runToolkitDialog(dialog) != QDialog::Accepted)
        return {};
    StartChoice choice;
    switch (dialog.choice()) {
    case toolkit::NewOrOpenDialog::Choice::New:
        if (dialog.newItemIndex() < StartChoice::Wizard ||
            dialog.newItemIndex() > StartChoice::Printnet)
            return {};
        choice.kind = StartChoice::Kind::New;
        choice.newItem = static_cast<StartChoice::NewItem>(dialog.newItemIndex());
        return choice;
    case toolkit::NewOrOpenDialog::Choice::Open:
    case toolkit::NewOrOpenDialog::Choice::Recent:
        choice.kind = StartChoice::Kind::Open;
        choice.path = dialog.path();
        return choice;
    case toolkit::NewOrOpenDialog::Choice::None:
        break;
    }
    return {};
}
