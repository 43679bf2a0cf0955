#pragma once

#include "platform/messagebox.h"

#include <QDialog>
#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace editingtest {

// Nothing may ever wait for a person: a message box or a dialog that a test
// did not script fails the test and is answered at once.
inline void failOnUnscriptedWindows()
{
    using namespace platform::ui;
    setMessageResponder([](const MessageRequest &r) {
        ADD_FAILURE() << "unexpected message: " << r.text.toStdString();
        return Answer::Cancel;
    });
    setDialogResponder([](QDialog &d) {
        ADD_FAILURE() << "unexpected dialog: " << d.windowTitle().toStdString();
        return int(QDialog::Rejected);
    });
}

class NoUnscriptedWindows : public ::testing::Environment
{
public:
    void SetUp() override { failOnUnscriptedWindows(); }
};

// Message boxes answered from a script, every text kept.
struct ScriptedMessages
{
    explicit ScriptedMessages(std::vector<platform::ui::Answer> answers = {})
        : m_answers(std::move(answers))
    {
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &r) {
            texts << r.text;
            if (m_answers.empty())
                return platform::ui::Answer::Ok;
            const platform::ui::Answer a = m_answers.front();
            m_answers.erase(m_answers.begin());
            return a;
        });
    }
    ~ScriptedMessages() { failOnUnscriptedWindows(); }
    QStringList texts;

private:
    std::vector<platform::ui::Answer> m_answers;
};

struct ScriptedDialogs
{
    explicit ScriptedDialogs(platform::ui::DialogResponder responder)
    {
        platform::ui::setDialogResponder(std::move(responder));
    }
    ~ScriptedDialogs() { failOnUnscriptedWindows(); }
};

template <typename T> T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace editingtest
