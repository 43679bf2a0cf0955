#include "platform/internet.h"
#include "platform/tests/pyserver.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

#include <gtest/gtest.h>

using platform::FtpConnection;
using platform::FtpEntry;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// A port nobody listens on: bind one, note it, release it.
int closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace

TEST(Internet, HttpDownloadArrivesInBlocksOfTheAskedSize)
{
    QTemporaryDir root;
    const QByteArray content = pattern(16384 * 3 + 100);
    writeFile(root.filePath("file.bin"), content);
    writeFile(root.filePath("My File.dll"), "spaced");
    PyServer server(PyServer::Kind::Http, root.path());
    ASSERT_GT(server.port(), 0) << server.errors().toStdString();
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());

    std::vector<size_t> blocks;
    QByteArray received;
    const auto error = platform::fetchUrl(base + "file.bin", [&](const char *data, size_t size) {
        blocks.push_back(size);
        received.append(data, qsizetype(size));
        return true;
    });
    EXPECT_FALSE(error.isError()) << error.text().toStdString();
    EXPECT_EQ(received, content);
    EXPECT_EQ(blocks, (std::vector<size_t>{16384, 16384, 16384, 100}));

    // A space in the address (as update lists write it) is sent encoded.
    QByteArray spaced;
    EXPECT_FALSE(platform::fetchUrlToMemory(base + "My File.dll", &spaced).isError());
    EXPECT_EQ(spaced, "spaced");

    // A missing file is an error, not an HTML page passed off as content.
    QByteArray page;
    const auto missing = platform::fetchUrlToMemory(base + "nothing.dll", &page);
    EXPECT_TRUE(missing.isError());
    EXPECT_EQ(missing.serverReply, "HTTP 404");
    EXPECT_TRUE(missing.text().contains("HTTP 404"));

    // Content beyond the limit is refused and nothing is kept.
    QByteArray capped;
    EXPECT_TRUE(platform::fetchUrlToMemory(base + "file.bin", &capped, 1000).isError());
    EXPECT_TRUE(capped.isEmpty());

    // The sink may abandon a transfer.
    const auto abandoned =
        platform::fetchUrl(base + "file.bin", [](const char *, size_t) { return false; });
    EXPECT_TRUE(abandoned.isError());
}

TEST(Internet, FileUrlsAndUnreachableServers)
{
    QTemporaryDir root;
    writeFile(root.filePath("list.txt"), "BEGIN_PATCHWELL2()END_PATCHWELL2");
    QByteArray bytes;
    EXPECT_FALSE(platform::fetchUrlToMemory(
                     QUrl::fromLocalFile(root.filePath("list.txt")).toString(), &bytes)
                     .isError());
    EXPECT_EQ(bytes, "BEGIN_PATCHWELL2()END_PATCHWELL2");

    const auto absent = platform::fetchUrlToMemory(
        QUrl::fromLocalFile(root.filePath("absent.txt")).toString(), &bytes);
    EXPECT_EQ(absent.description, "Impossibile trovare la risorsa richiesta.");

    const auto refused = platform::fetchUrlToMemory(
        QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()), &bytes);
    EXPECT_EQ(refused.description, "Impossibile stabilire una connessione con il server.");

    const auto nonsense = platform::fetchUrlToMemory(QStringLiteral("gopherx://what"), &bytes);
    EXPECT_TRUE(nonsense.isError());
}

TEST(Internet, FtpListsFoldersAnonymouslyInActiveMode)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("pub/sub folder");
    writeFile(root.filePath("readme.txt"), "hello");
    writeFile(root.filePath("pub/sub folder/deep.bin"), pattern(1234));
    PyServer server(PyServer::Kind::Ftp, root.path());
    ASSERT_GT(server.port(), 0) << server.errors().toStdString();

    FtpConnection ftp;
    ASSERT_TRUE(ftp.open("127.0.0.1", server.port())) << ftp.lastError().text().toStdString();
    std::vector<FtpEntry> entries;
    ASSERT_TRUE(ftp.list("/", &entries)) << ftp.lastError().text().toStdString();
    ASSERT_EQ(entries.size(), 2u);
    std::sort(entries.begin(), entries.end(), [](auto &a, auto &b) { return a.name < b.name; });
    EXPECT_EQ(entries[0].name, "pub");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, "readme.txt");
    EXPECT_FALSE(entries[1].isDirectory);
    EXPECT_EQ(entries[1].size, 5);

    // The session stays usable for further listings, names with spaces too.
    ASSERT_TRUE(ftp.list("/pub/sub folder", &entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "deep.bin");
    EXPECT_EQ(entries[0].size, 1234);

    // A refusal carries the server's own reply.
    EXPECT_FALSE(ftp.list("/no such folder", &entries));
    EXPECT_TRUE(ftp.lastError().serverReply.startsWith("550"))
        << ftp.lastError().text().toStdString();

    // Files can be fetched from the same server by URL.
    QByteArray bytes;
    const auto error = platform::fetchUrlToMemory(
        QStringLiteral("ftp://127.0.0.1:%1/pub/sub%20folder/deep.bin").arg(server.port()), &bytes);
    EXPECT_FALSE(error.isError()) << error.text().toStdString();
    EXPECT_EQ(bytes, pattern(1234));

    FtpConnection nowhere;
    EXPECT_FALSE(nowhere.open("127.0.0.1", closedPort()));
    EXPECT_EQ(nowhere.lastError().description,
              "Impossibile stabilire una connessione con il server.");
    EXPECT_FALSE(nowhere.list("/", &entries));
}

TEST(Internet, ListLinesOfUnixAndDosServers)
{
    FtpEntry e;
    EXPECT_TRUE(FtpConnection::parseListLine(
        "drwxr-xr-x    2 ftp      ftp          4096 Mar 03 12:00 My Folder", &e));
    EXPECT_EQ(e.name, "My Folder");
    EXPECT_TRUE(e.isDirectory);
    EXPECT_TRUE(
        FtpConnection::parseListLine("-rw-r--r--   1 owner  12345 Jan  5  2003 plan 1.fpd\r", &e));
    EXPECT_EQ(e.name, "plan 1.fpd");
    EXPECT_FALSE(e.isDirectory);
    EXPECT_EQ(e.size, 12345);
    EXPECT_TRUE(
        FtpConnection::parseListLine("lrwxrwxrwx 1 root root 7 Jan 01 2020 latest -> v2.0", &e));
    EXPECT_EQ(e.name, "latest");
    EXPECT_TRUE(FtpConnection::parseListLine("05-10-03  09:15AM       <DIR>          Update", &e));
    EXPECT_EQ(e.name, "Update");
    EXPECT_TRUE(e.isDirectory);
    EXPECT_TRUE(FtpConnection::parseListLine("05-10-03  09:15AM             2048 a b.dll", &e));
    EXPECT_EQ(e.name, "a b.dll");
    EXPECT_EQ(e.size, 2048);
    EXPECT_FALSE(FtpConnection::parseListLine("total 12", &e));
    EXPECT_FALSE(FtpConnection::parseListLine("", &e));
    EXPECT_FALSE(FtpConnection::parseListLine("garbage line with no shape", &e));
}
