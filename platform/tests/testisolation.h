#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

// ctest starts every test of an executable as a process of its own, several at
// once. Each process gets settings, home, configuration, data and runtime
// folders of its own below the build tree's test-home/<executable>, so that
// one test's settings, recent files or pictures never show up in another
// running beside it, and nothing touches the real user's configuration.
inline std::unique_ptr<QTemporaryDir> isolateTestProcess(const char *argv0)
{
    const QString base = QStringLiteral(DOMORA_TEST_HOME_ROOT "/") +
                         QFileInfo(QFile::decodeName(argv0)).fileName();
    QDir().mkpath(base);
    auto folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/p-XXXXXX"));
    if (!folder->isValid())
        return nullptr;
    const QString root = folder->path();
    const auto place = [&](const char *variable, const QString &path) {
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    };
    place("HOME", root);
    place("DOMORA_SETTINGS_DIR", root + QStringLiteral("/settings"));
    place("XDG_CONFIG_HOME", root + QStringLiteral("/config"));
    place("XDG_DATA_HOME", root + QStringLiteral("/data"));
    place("XDG_RUNTIME_DIR", root + QStringLiteral("/run"));
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}
