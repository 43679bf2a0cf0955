#include "platform/messagebox.h"

#include <QDialog>

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(MessageLayer, ScriptedResponderAnswersAndSeesRequest)
{
    std::vector<MessageRequest> seen;
    setMessageResponder([&](const MessageRequest &r) {
        seen.push_back(r);
        return r.buttons == Buttons::YesNo ? Answer::Yes : Answer::Cancel;
    });
    setDefaultCaption(QStringLiteral("Domora"));
    EXPECT_TRUE(askYesNo(nullptr, QStringLiteral("Salvare?")));
    EXPECT_EQ(messageBox(nullptr, QStringLiteral("Continuare?"), QStringLiteral("Titolo"),
                         Buttons::YesNoCancel, Icon::Question),
              Answer::Cancel);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, QStringLiteral("Domora")); // default caption filled in
    EXPECT_EQ(seen[0].icon, Icon::Question);
    EXPECT_EQ(seen[1].caption, QStringLiteral("Titolo"));
    setMessageResponder({});
}

TEST(MessageLayer, DialogResponderRunsInsteadOfModalLoop)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Opzioni"));
    QString title;
    setDialogResponder([&](QDialog &d) {
        title = d.windowTitle();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(execDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(title, QStringLiteral("Opzioni"));
    EXPECT_FALSE(dialog.isVisible());
    setDialogResponder({});
}
