#include "platform/messagebox.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

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

TEST(MessageLayer, ScriptedAnswersFromAFileForOtherProcesses)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("answers.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Patchwell => default\nSì\nAnnulla\n\n");
    }
    qputenv("DOMORA_SCRIPTED_ANSWERS", path.toUtf8());
    EXPECT_EQ(messageBox(nullptr, "Aggiornare?", "Domora", Buttons::YesNoCancel), Answer::Yes);
    EXPECT_EQ(messageBox(nullptr, "Continuare?", "Domora", Buttons::YesNo),
              Answer::No); // the way out
    QDialog dialog;
    dialog.setWindowTitle("Velmar Patchwell");
    auto *start = new QPushButton("&Avvia", &dialog);
    start->setDefault(true);
    QObject::connect(start, &QPushButton::clicked, &dialog, &QDialog::accept);
    EXPECT_EQ(execDialog(dialog), QDialog::Accepted);
    // Nothing left for it: a further question is cancelled.
    EXPECT_EQ(messageBox(nullptr, "Salvare?", "Domora", Buttons::YesNoCancel), Answer::Cancel);
    qunsetenv("DOMORA_SCRIPTED_ANSWERS");
    QFile log(path + ".log");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()),
              "Aggiornare? -> Sì\nContinuare? -> Annulla\nVelmar Patchwell -> "
              "default\nSalvare? -> Annulla\n");
}
