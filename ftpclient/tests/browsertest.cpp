#include "ftpclient/cbrowserdlg.h"
#include "ftpclient/cftptreectrl.h"
#include "platform/internet.h"
#include "platform/messagebox.h"
#include "platform/tests/pyserver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform::ui;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QTreeWidgetItem *child(QTreeWidgetItem *item, const QString &text)
{
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == text)
            return item->child(i);
    return nullptr;
}

} // namespace

// The browser always connects to the FTP port, so the server of these tests
// must listen on port 21, which only root may open.
class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setMessageResponder([this](const MessageRequest &r) {
            m_messages << r.text;
            return Answer::Ok;
        });
        QDir root(m_root.path());
        root.mkpath("pub/sub dir");
        root.mkpath("pub/empty");
        root.mkpath("emptydir");
        writeFile(m_root.filePath("readme.txt"), "x");
        writeFile(m_root.filePath("pub/a.txt"), "a");
        writeFile(m_root.filePath("pub/sub dir/deep.txt"), "d");
        m_log = m_logDir.filePath("commands.log");
    }
    void TearDown() override { setMessageResponder({}); }

    void read(CBrowserDlg &dialog, const QString &address)
    {
        dialog.addressBox()->setEditText(address);
        dialog.OnRead();
    }
    int listings() const
    {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return int(file.readAll().count("LIST "));
    }

    QTemporaryDir m_root, m_logDir;
    QString m_log;
    QStringList m_messages;
};

TEST_F(BrowserTest, AddressesThatAreNoFtpServerGive105AndTheHistoryKeepsFive)
{
    CBrowserDlg dialog;
    auto *tree = dialog.tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Non è stata stabilita nessuna connessione FTP.");
    EXPECT_EQ(CFtpTreeCtrl::imageOf(tree->topLevelItem(0)), 0);
    EXPECT_FALSE(tree->rootIsDecorated());

    for (const char *address : {"http://a1/", "", "ftp://", "mailto-x://b"}) {
        m_messages.clear();
        read(dialog, address);
        EXPECT_EQ(m_messages, QStringList{"Inserisci un indirizzo FTP valido."}) << address;
        EXPECT_EQ(tree->topLevelItemCount(), 1);
    }
    for (const char *address :
         {"http://a2/", "http://a3/", "http://a4/", "http://a1/", "http://a5/"})
        read(dialog, address);
    QStringList items;
    for (int i = 0; i < dialog.addressBox()->count(); ++i)
        items << dialog.addressBox()->itemText(i);
    EXPECT_EQ(items,
              (QStringList{"http://a5/", "http://a1/", "http://a4/", "http://a3/", "http://a2/"}));
    EXPECT_EQ(dialog.addressBox()->currentText(), "http://a5/");
}

TEST_F(BrowserTest, ReadsTheServerAndWalksThePath)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "the FTP server of this test needs port 21, which only root may open";
    PyServer server(PyServer::Kind::Ftp, m_root.path(), 21, m_log);
    if (server.port() != 21)
        GTEST_SKIP() << "port 21 is taken: " << server.errors().toStdString();

    // The order the server lists the root in.
    platform::FtpConnection direct;
    ASSERT_TRUE(direct.open("127.0.0.1", 21));
    std::vector<platform::FtpEntry> rootEntries;
    ASSERT_TRUE(direct.list("/", &rootEntries));
    QStringList serverOrder;
    for (const auto &entry : rootEntries)
        serverOrder << entry.name;
    direct.close();

    CBrowserDlg dialog;
    auto *tree = dialog.tree();
    read(dialog, "127.0.0.1");
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join("\n").toStdString();
    EXPECT_EQ(dialog.addressBox()->currentText(), "127.0.0.1"); // never with "ftp://" put in
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), "/");
    EXPECT_TRUE(tree->rootIsDecorated());
    EXPECT_EQ(childTexts(root), serverOrder);
    // Only folders with entries get a button (a placeholder "1").
    EXPECT_EQ(childTexts(child(root, "pub")), QStringList{"1"});
    EXPECT_EQ(child(root, "emptydir")->childCount(), 0);
    EXPECT_EQ(CFtpTreeCtrl::imageOf(child(root, "readme.txt")), 2);
    EXPECT_EQ(CFtpTreeCtrl::imageOf(child(root, "pub")), 1);

    // A path naming a file opens the folders and selects it in bold; a port
    // in the address changes nothing.
    read(dialog, "ftp://127.0.0.1:2121/pub/sub dir/deep.txt");
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), "deep.txt");
    EXPECT_TRUE(tree->currentItem()->font(0).bold());
    EXPECT_EQ(CFtpTreeCtrl::pathOf(tree->currentItem()), "/pub/sub dir/deep.txt");
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());

    // Doubled and trailing slashes walk the same.
    read(dialog, "127.0.0.1//pub//a.txt/");
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(CFtpTreeCtrl::pathOf(tree->currentItem()), "/pub/a.txt");

    // A missing name stops the walk at the last folder found.
    read(dialog, "127.0.0.1/pub/missing/a.txt");
    root = tree->topLevelItem(0);
    EXPECT_TRUE(child(root, "pub")->isExpanded());
    EXPECT_TRUE(tree->currentItem() == nullptr || !tree->currentItem()->font(0).bold());

    // An empty folder at the end of a path is selected like a file.
    read(dialog, "127.0.0.1/pub/empty");
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(CFtpTreeCtrl::pathOf(tree->currentItem()), "/pub/empty");
    EXPECT_TRUE(tree->currentItem()->font(0).bold());

    // Closing a folder lists it again from the server.
    QTreeWidgetItem *pub = child(tree->topLevelItem(0), "pub");
    const int before = listings();
    tree->collapseItem(pub);
    EXPECT_GT(listings(), before);
    EXPECT_EQ(childTexts(pub).size(), 3);
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(BrowserTest, EmptyRootAndRefusedConnection)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "the FTP server of this test needs port 21, which only root may open";
    QTemporaryDir empty;
    PyServer server(PyServer::Kind::Ftp, empty.path(), 21);
    if (server.port() != 21)
        GTEST_SKIP() << "port 21 is taken: " << server.errors().toStdString();
    CBrowserDlg dialog;
    read(dialog, "127.0.0.1");
    ASSERT_EQ(dialog.tree()->topLevelItemCount(), 1);
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->text(0), "/");
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->childCount(), 0);
    EXPECT_FALSE(dialog.tree()->rootIsDecorated());

    // Nobody listens on 127.0.0.2: the library's own words for it.
    read(dialog, "127.0.0.2");
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_EQ(m_messages[0], "Impossibile stabilire una connessione con il server.");
    EXPECT_EQ(dialog.tree()->topLevelItem(0)->text(0),
              "Non è stata stabilita nessuna connessione FTP.");
}
