#include "console/bugreport.h"
#include "console/mailsender.h"
#include "console/systeminfo.h"

#include "testfolder.h"

#include "platform/registry.h"

#include <gtest/gtest.h>

TEST(BugReport, TextWithAndWithoutSystemInformation)
{
    BugReport report;
    report.systemInfo = QStringLiteral("Nome del computer: pc\r\n");
    report.activity = QStringLiteral("disegnavo");
    report.action = QStringLiteral("Ctrl+S");
    report.errorMessages = QStringLiteral("nessuno");
    report.repeatability = QStringLiteral("sempre");
    report.expected = QStringLiteral("salvare");
    report.actual = QStringLiteral("niente");
    report.comments = QStringLiteral("grazie");
    const QString tail = QStringLiteral(
        "\n----- ATTIVITA' IN CORSO\ndisegnavo\n----- ERRORE\n\tazione in corso: Ctrl+S\n"
        "\tmessaggi d'errore: nessuno\n\tsituazione: sempre\n----- EFFETTI DELL'ERRORE\n"
        "\tdoveva fare: salvare\n\tha fatto: niente\n\tcommenti: grazie");
    EXPECT_EQ(report.text(),
              QStringLiteral("----- INFORMAZIONI SUL PC\nNome del computer: pc\r\n") + tail);
    report.omitSystemInfo = true;
    EXPECT_EQ(report.text(), tail);

    BugReport empty;
    empty.omitSystemInfo = true;
    EXPECT_EQ(empty.text(),
              QStringLiteral("\n----- ATTIVITA' IN CORSO\n\n----- ERRORE\n\tazione in "
                             "corso: \n\tmessaggi d'errore: \n\tsituazione: \n----- "
                             "EFFETTI DELL'ERRORE\n\tdoveva fare: \n\tha fatto: "
                             "\n\tcommenti: "));
}

TEST(SystemInfo, TextLayout)
{
    SystemInfo info;
    info.computerName = QStringLiteral("ufficio-1");
    info.userName = QStringLiteral("mario");
    info.systemName = QStringLiteral("Linux, Debian GNU/Linux 12 (bookworm)");
    info.versionMajor = 6;
    info.versionMinor = 1;
    info.versionBuild = 0;
    info.processorCount = 4;
    info.processorFamily = 6;
    info.processorLevel = 158;
    info.processorRevision = 10;
    EXPECT_EQ(info.text(),
              "Nome del computer: ufficio-1\r\nNome dell'utente: mario\r\n\r\n"
              "Sistema operativo: Linux, Debian GNU/Linux 12 (bookworm) (6.1,0)\r\n\r\n"
              "Numero di processori: 4\r\nFamiglia del processore: 6\r\n"
              "Livello e revisione del processore: 158, 10\r\n\r\n");

    const SystemInfo here = SystemInfo::current();
    EXPECT_FALSE(here.computerName.isEmpty());
    EXPECT_GE(here.processorCount, 1);
    EXPECT_GT(here.versionMajor, 0);
}

TEST(SystemInfo, ProcessorFactsFromCpuInfo)
{
    SystemInfo x86;
    x86.readProcessorFacts("processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\n"
                           "model\t\t: 158\nmodel name\t: Intel(R) Core(TM)\nstepping\t: 10\n"
                           "\nprocessor\t: 1\ncpu family\t: 7\nmodel\t\t: 1\nstepping\t: 1\n");
    EXPECT_EQ(x86.processorFamily, 6);
    EXPECT_EQ(x86.processorLevel, 158);
    EXPECT_EQ(x86.processorRevision, 10);

    SystemInfo arm;
    arm.readProcessorFacts("processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: 0x41\n"
                           "CPU architecture: 8\nCPU variant\t: 0x0\nCPU part\t: 0xd08\n"
                           "CPU revision\t: 3\n\n");
    EXPECT_EQ(arm.processorFamily, 8);
    EXPECT_EQ(arm.processorLevel, 0xd08);
    EXPECT_EQ(arm.processorRevision, 3);
}

namespace {

// Puts a stub "xdg-email" first on PATH; it writes its arguments, one per
// NUL-terminated record, to args.bin and exits with the code given.
class MailStub
{
public:
    explicit MailStub(int exitCode, int sleepSeconds = 0) : m_oldPath(qgetenv("PATH"))
    {
        const QString script = QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' "
                                              "\"$a\"; done > '%1'\nsleep %2\nexit %3\n")
                                   .arg(m_dir.filePath(QStringLiteral("args.bin")))
                                   .arg(sleepSeconds)
                                   .arg(exitCode);
        const QString path = m_dir.write(QStringLiteral("bin/xdg-email"), script.toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH",
                QFile::encodeName(m_dir.filePath(QStringLiteral("bin"))) + ":/usr/bin:/bin");
    }
    ~MailStub() { qputenv("PATH", m_oldPath); }
    QStringList arguments() const
    {
        QStringList args;
        for (const QByteArray &a : m_dir.read(QStringLiteral("args.bin")).split('\0'))
            args << QString::fromUtf8(a);
        if (!args.isEmpty())
            args.removeLast();
        return args;
    }
    void hidePath() const
    {
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("none"))));
    }

private:
    TestFolder m_dir;
    QByteArray m_oldPath;
};

MailMessage message()
{
    return {QString::fromLatin1(BugReport::subject),
            QStringLiteral("\n----- ATTIVITA' IN CORSO\nperché sì"), QStringLiteral("Supporto"),
            QStringLiteral("supporto@velmar.it")};
}

} // namespace

TEST(MailSender, HandsSubjectBodyAndAddressToXdgEmail)
{
    MailStub stub(0);
    const MailSender::Result r = MailSender::send(message());
    EXPECT_EQ(r.outcome, MailSender::Outcome::HandedOver);
    EXPECT_TRUE(MailSender::failureText(r).isEmpty());
    EXPECT_EQ(stub.arguments(),
              QStringList({"--utf8", "--subject", "DOMORA: rapporto sugli errori", "--body",
                           "\n----- ATTIVITA' IN CORSO\nperché sì", "supporto@velmar.it"}));
}

TEST(MailSender, FailuresAndAMissingProgram)
{
    MailStub stub(4);
    const MailSender::Result failed = MailSender::send(message());
    EXPECT_EQ(failed.outcome, MailSender::Outcome::Failed);
    EXPECT_EQ(MailSender::failureText(failed),
              "Errore durante l'invio di un nuovo messaggio di posta elettronica.\n"
              "Codice errore: 4");

    stub.hidePath();
    const MailSender::Result missing = MailSender::send(message());
    EXPECT_EQ(missing.outcome, MailSender::Outcome::ProgramMissing);
    EXPECT_EQ(MailSender::failureText(missing),
              "Errore durante l'inizializzazione di una nuova sessione MAPI.\n"
              "Libreria MAPI.DLL non trovata.");
}

TEST(MailSender, AMailProgramThatKeepsWaitingCountsAsHandedOver)
{
    MailStub stub(3, 5);
    // exit code 3 would be a failure: the sender did not wait for it
    const MailSender::Result r = MailSender::send(message(), 300);
    EXPECT_EQ(r.outcome, MailSender::Outcome::HandedOver);
}

TEST(MailSender, SupportRecipientComesFromTheSettings)
{
    TestFolder store;
    platform::Registry::setStoreFolder(store.path());
    EXPECT_EQ(MailSender::supportAddress(), "supporto@velmar.it");
    platform::Registry(QStringLiteral("Domora"))
        .writeString(QStringLiteral("Settings"), QStringLiteral("SupportMailAddress"),
                     QStringLiteral("aiuto@agenzia.it"));
    EXPECT_EQ(MailSender::supportAddress(), "aiuto@agenzia.it");
    platform::Registry::setStoreFolder({});
}
