#pragma once

#include "editor/documentmanager.h"
#include "editor/eventlog.h"
#include "editor/recoverystore.h"
#include "editor/viewreadouts.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// What a view wrote into the information bar, the status bar and the prompt.
class RecordedReadouts : public ViewReadouts
{
public:
    void setInfoText(int controlId, const QString &text) override { info[controlId] = text; }
    void setPaneText(int pane, const QString &text) override { panes[pane] = text; }
    void setPrompt(const QString &text) override { prompt = text; }

    QHash<int, QString> info;
    QHash<int, QString> panes;
    QString prompt;
};

// Documents with their settings, log and recovery copies in temporary
// folders; messages are recorded and answered with `answer`.
class DocumentFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid() && m_files.isValid() && m_recoveryDir.isValid());
        platform::Registry::setStoreFolder(m_store.path());
        m_reg = std::make_unique<platform::Registry>(QStringLiteral("Domora"));
        m_log.setFilePath(m_files.filePath(QStringLiteral("DOMORA.LOG")));
        m_recovery = std::make_unique<RecoveryStore>(m_recoveryDir.path());
        m_docs = std::make_unique<DocumentManager>(*m_reg, m_log, *m_recovery);
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &r) {
            m_messages << r.text;
            return m_answer;
        });
    }
    void TearDown() override
    {
        m_docs.reset();
        platform::ui::setMessageResponder({});
        platform::ui::setDialogResponder({});
        platform::Registry::setStoreFolder({});
    }

    QTemporaryDir m_store;
    QTemporaryDir m_files;
    QTemporaryDir m_recoveryDir;
    std::unique_ptr<platform::Registry> m_reg;
    EventLog m_log;
    std::unique_ptr<RecoveryStore> m_recovery;
    std::unique_ptr<DocumentManager> m_docs;
    QStringList m_messages;
    platform::ui::Answer m_answer = platform::ui::Answer::Ok;
};
