#include "ftpclient/cftptreectrl.h"

#include "ftpclient/ftpaddress.h"
#include "ftpclient/ftpicons.h"
#include "platform/internet.h"
#include "platform/waitcursor.h"

#include <QApplication>
#include <QHeaderView>

namespace {

constexpr int imageRole = Qt::UserRole + 1;

} // namespace

CFtpTreeCtrl::CFtpTreeCtrl(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setIconSize(QSize(16, 15));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Opening and closing a folder both read it again from the server.
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { OnItemExpanding(item); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { OnItemExpanding(item); });
}

int CFtpTreeCtrl::imageOf(const QTreeWidgetItem *item)
{
    return item->data(0, imageRole).toInt();
}

QString CFtpTreeCtrl::pathOf(const QTreeWidgetItem *item)
{
    QStringList names;
    for (const QTreeWidgetItem *at = item; at && at->parent(); at = at->parent())
        names.prepend(at->text(0));
    return ftpaddress::itemPath(names);
}

QTreeWidgetItem *CFtpTreeCtrl::appendChild(QTreeWidgetItem *parent, const QString &text, int image)
{
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, imageRole, image);
    item->setIcon(0, QIcon(ftpicons::treeImage(ftpicons::TreeImage(image))));
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

void CFtpTreeCtrl::OnItemExpanding(QTreeWidgetItem *item)
{
    if (m_filling || !m_pConnection)
        return;
    FillFolder(pathOf(item), item);
}

void CFtpTreeCtrl::FillFolder(const QString &path, QTreeWidgetItem *item)
{
    m_filling = true;
    qDeleteAll(item->takeChildren());
    const bool isRoot = item->parent() == nullptr;
    std::vector<platform::FtpEntry> entries;
    bool sawFolder = false;
    // A folder that cannot be listed simply shows no children.
    if (m_pConnection && m_pConnection->list(isRoot ? QStringLiteral("/") : path, &entries)) {
        for (const platform::FtpEntry &entry : entries) {
            appendChild(item, entry.name, entry.isDirectory ? ftpicons::Folder : ftpicons::File);
            sawFolder |= entry.isDirectory;
        }
    }
    if (sawFolder) {
        // One listing at a time: each folder is probed after the folder's own
        // listing is done, and only a folder with entries gets a button.
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            if (imageOf(child) != ftpicons::Folder)
                continue;
            std::vector<platform::FtpEntry> probe;
            if (m_pConnection->list(pathOf(child), &probe) && !probe.empty())
                appendChild(child, QStringLiteral("1"), ftpicons::Folder);
        }
    }
    m_filling = false;
}

void CFtpTreeCtrl::ShowConnection(platform::FtpConnection *connection, const QString &path)
{
    platform::ui::WaitCursor wait;
    m_filling = true;
    clear();
    m_filling = false;
    if (!connection) {
        setRootIsDecorated(false);
        appendChild(nullptr, QStringLiteral("Non è stata stabilita nessuna connessione FTP."),
                    ftpicons::NoConnection);
        m_pConnection = nullptr;
        return;
    }
    m_pConnection = connection;
    QTreeWidgetItem *root = appendChild(nullptr, QStringLiteral("/"), ftpicons::Folder);
    appendChild(root, QStringLiteral("/"), ftpicons::Folder);
    expandItem(root); // reads the root folder
    if (root->childCount() == 0) {
        setRootIsDecorated(false);
        return;
    }
    setRootIsDecorated(true);

    QTreeWidgetItem *current = root;
    QString rest = path;
    while (!rest.isEmpty()) {
        const QString name = ftpaddress::nextName(&rest);
        if (name.isEmpty())
            break;
        QTreeWidgetItem *match = nullptr;
        for (int i = 0; i < current->childCount(); ++i) {
            if (current->child(i)->text(0) == name) {
                match = current->child(i);
                break;
            }
        }
        if (!match)
            break;
        if (match->childCount() > 0) {
            expandItem(match); // reads the folder
            current = match;
            continue;
        }
        QFont bold = match->font(0);
        bold.setBold(true);
        match->setFont(0, bold);
        setCurrentItem(match);
        scrollToItem(match);
        break;
    }
}
