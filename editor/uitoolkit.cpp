#include "editor/uitoolkit.h"

#include "editor/editoricons.h"
#include "editor/strings.h"
#include "model/cdomoradoc.h"
#include "platform/messagebox.h"
#include "toolkit/visualmanager.h"
#include "toolkit/workspace.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

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

void UiToolkit::setResourceModule(QLibrary *module)
{
    m_resourceModule = module;
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
    QDialog dialog(parent);
    dialog.setWindowTitle(editorString(strings::AppName));
    dialog.setWindowIcon(editoricons::applicationIcon());
    auto *tabs = new QTabWidget(&dialog);

    auto *newList = new QListWidget(tabs);
    newList->setObjectName(QStringLiteral("newItems"));
    newList->setViewMode(QListView::IconMode);
    newList->setIconSize(QSize(32, 32));
    newList->setGridSize(QSize(110, 72));
    newList->setMovement(QListView::Static);
    newList->setWordWrap(true);
    // The image list holds icons 234, 235, 236 and 328; each item names its image.
    const QList<QIcon> images = editoricons::newDocumentImages();
    const struct
    {
        const char *text;
        int image;
    } items[] = {{"Creazione guidata", 1}, {"Normale", 3}, {"Cartello", 0}, {"Printnet", 2}};
    for (const auto &item : items)
        new QListWidgetItem(images.value(item.image),
                            QCoreApplication::translate("StartDialog", item.text), newList);
    newList->setCurrentRow(1);
    tabs->addTab(newList, QCoreApplication::translate("StartDialog", "Nuovo"));

    auto *recentList = new QListWidget(tabs);
    for (const QString &path : recentFiles) {
        if (QFileInfo::exists(path)) {
            auto *item = new QListWidgetItem(QFileInfo(path).fileName(), recentList);
            item->setToolTip(path);
            item->setData(Qt::UserRole, path);
        }
    }
    tabs->addTab(recentList, QCoreApplication::translate("StartDialog", "Recenti"));

    auto *buttons = new QDialogButtonBox(&dialog);
    auto *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto *browse = buttons->addButton(QCoreApplication::translate("StartDialog", "&Apri..."),
                                      QDialogButtonBox::ActionRole);
    buttons->addButton(QCoreApplication::translate("StartDialog", "Annulla"),
                       QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    StartChoice choice;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto readCurrent = [&] {
        if (tabs->currentWidget() == newList && newList->currentRow() >= 0) {
            choice.kind = StartChoice::Kind::New;
            choice.newItem = static_cast<StartChoice::NewItem>(newList->currentRow());
        } else if (tabs->currentWidget() == recentList && recentList->currentItem()) {
            choice.kind = StartChoice::Kind::Open;
            choice.path = recentList->currentItem()->data(Qt::UserRole).toString();
        }
    };
    const auto acceptCurrent = [&] {
        readCurrent();
        if (choice.kind != StartChoice::Kind::Cancel)
            dialog.accept();
    };
    QObject::connect(ok, &QPushButton::clicked, &dialog, acceptCurrent);
    QObject::connect(newList, &QListWidget::itemDoubleClicked, &dialog, acceptCurrent);
    QObject::connect(recentList, &QListWidget::itemDoubleClicked, &dialog, acceptCurrent);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        QFileDialog files(&dialog, QCoreApplication::translate("StartDialog", "Apri"));
        files.setFileMode(QFileDialog::ExistingFile);
        files.setNameFilters({CDomoraDoc::fileFilter()});
        if (platform::ui::execDialog(files) != QDialog::Accepted || files.selectedFiles().isEmpty())
            return;
        choice.kind = StartChoice::Kind::Open;
        choice.path = files.selectedFiles().first();
        dialog.accept();
    });

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    dialog.resize(460, 300);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return {};
    if (choice.kind == StartChoice::Kind::Cancel)
        readCurrent();
    return choice;
}
