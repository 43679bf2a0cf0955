#pragma once

#include "platform/messagebox.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <deque>
#include <functional>

// Answers every message box and modal dialog of a test: messages are
// recorded and answered from a queue (OK when it is empty), dialogs go to
// the handler registered for their type, and a dialog without a handler is
// cancelled and recorded as unexpected.
class ScriptedUi
{
public:
    struct Message
    {
        QString text;
        platform::ui::Icon icon;
        platform::ui::Buttons buttons;
    };

    ScriptedUi()
    {
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &r) {
            messages.append({r.text, r.icon, r.buttons});
            if (answers.empty())
                return platform::ui::Answer::Ok;
            const platform::ui::Answer a = answers.front();
            answers.pop_front();
            return a;
        });
        platform::ui::setDialogResponder([this](QDialog &d) {
            for (const auto &handler : handlers) {
                if (const int result = handler(d); result >= 0)
                    return result;
            }
            unexpectedDialogs.append(d.metaObject()->className());
            return int(QDialog::Rejected);
        });
    }
    ~ScriptedUi()
    {
        platform::ui::setMessageResponder({});
        platform::ui::setDialogResponder({});
    }
    ScriptedUi(const ScriptedUi &) = delete;
    ScriptedUi &operator=(const ScriptedUi &) = delete;

    // Handles dialogs of type T; the function returns the dialog's result.
    template <typename T> void on(std::function<int(T &)> handle)
    {
        handlers.push_back([handle](QDialog &d) {
            if (auto *t = qobject_cast<T *>(&d))
                return handle(*t);
            return -1;
        });
    }

    [[nodiscard]] QStringList texts() const
    {
        QStringList out;
        for (const Message &m : messages)
            out.append(m.text);
        return out;
    }

    QList<Message> messages;
    std::deque<platform::ui::Answer> answers;
    QStringList unexpectedDialogs;

private:
    std::vector<std::function<int(QDialog &)>> handlers;
};
