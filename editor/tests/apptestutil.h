#pragma once

#include "editor/cdomoraapp.h"
#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// An editor started in this process with its program folder, settings and
// runtime folder in temporary places. Messages are recorded and answered
// with `answer`; dialogs are cancelled unless a test says otherwise; the
// process never really ends (the terminator records the exit code).
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid() && m_store.isValid() && m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        platform::Registry::setStoreFolder(m_store.path());
        platform::setProgramFolder(m_folder.path());
        QFile exe(m_folder.filePath(QStringLiteral("domora")));
        ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
        exe.close();
        // The executable as seen last time: the saved layout stays.
        reg().writeString(QStringLiteral("Settings"), QStringLiteral("ExeTimeStamp"),
                          platform::fileTimeText(exe.fileName()));
        // The language library where the editor looks for it by default (the
        // first start erases the "Interface" key, LocaleLib with it).
        ASSERT_TRUE(QFile::copy(QStringLiteral(LOCALEPACK),
                                m_folder.filePath(QStringLiteral("localepack.so"))));
        reg().writeInt(QStringLiteral("Settings"), QStringLiteral("ShowOpenAtStartup"), 0);
        reg().writeInt(QStringLiteral("Settings"), QStringLiteral("RegisterShellFileTypes"), 0);
        reg().writeInt(QStringLiteral("Interface"), QStringLiteral("SplashDelay"), 0);
        reg().writeInt(QStringLiteral("Tip"), QStringLiteral("StartUp"), 1);
        reg().sync();
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &r) {
            m_messages << r.text;
            return m_answer;
        });
        platform::ui::setDialogResponder([](QDialog &) { return 0; });
    }

    void TearDown() override
    {
        m_app.reset();
        platform::ui::setMessageResponder({});
        platform::ui::setDialogResponder({});
        platform::setProgramFolder({});
        platform::Registry::setStoreFolder({});
    }

    platform::Registry &reg()
    {
        if (!m_reg)
            m_reg = std::make_unique<platform::Registry>(QStringLiteral("Domora"));
        return *m_reg;
    }

    bool start(const QStringList &arguments = {})
    {
        reg().sync();
        m_app = std::make_unique<CDomoraApp>(arguments);
        m_app->setTerminator([this](int code) { m_ended = code; });
        return m_app->InitInstance();
    }

    // The texts of the log's entries, without their time stamps; a text of
    // several lines comes back with line feeds.
    QStringList logLines() const
    {
        QFile f(m_folder.filePath(QStringLiteral("DOMORA.LOG")));
        QStringList lines;
        if (!f.open(QIODevice::ReadOnly))
            return lines;
        const QByteArray content = f.readAll();
        EXPECT_FALSE(content.contains("\n") && content.count('\n') != content.count("\r\n"));
        static const QRegularExpression stamp(
            QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d,\\d\\d - "));
        for (const QString &line : QString::fromLocal8Bit(content).split(QStringLiteral("\r\n"))) {
            if (stamp.match(line).hasMatch())
                lines << line.mid(22);
            else if (!lines.isEmpty())
                lines.last() += QLatin1Char('\n') + line;
        }
        if (!lines.isEmpty() && lines.last().endsWith(QLatin1Char('\n')))
            lines.last().chop(1);
        return lines;
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_store;
    QTemporaryDir m_runtime;
    std::unique_ptr<platform::Registry> m_reg;
    std::unique_ptr<CDomoraApp> m_app;
    QStringList m_messages;
    platform::ui::Answer m_answer = platform::ui::Answer::Ok;
    std::optional<int> m_ended;
};
