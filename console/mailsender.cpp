#include "mailsender.h"

#include "configurationstore.h"
#include "consolestrings.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

QStringList MailSender::arguments(const MailMessage &message)
{
    return {QStringLiteral("--utf8"),
            QStringLiteral("--subject"),
            message.subject,
            QStringLiteral("--body"),
            message.body,
            message.recipientAddress};
}

MailSender::Result MailSender::send(const MailMessage &message, int handOverMs)
{
    Result result;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        result.outcome = Outcome::ProgramMissing;
        return result;
    }

    // Parented to the application: if the mail program keeps xdg-email
    // running past the wait, the process object lives on and cleans up
    // when it ends.
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             process->deleteLater();
                     });

    QEventLoop loop;
    bool ended = false;
    bool failedToStart = false;
    QObject::connect(process, &QProcess::finished, &loop, [&] {
        ended = true;
        result.exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
        loop.quit();
    });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QTimer::singleShot(handOverMs, &loop, &QEventLoop::quit);
    process->start(program, arguments(message));
    if (!ended && !failedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (failedToStart) {
        result.outcome = Outcome::ProgramMissing;
    } else if (ended && result.exitCode != 0) {
        result.outcome = Outcome::Failed;
    }
    return result;
}

QString MailSender::failureText(const Result &result)
{
    switch (result.outcome) {
    case Outcome::HandedOver:
        return {};
    case Outcome::ProgramMissing:
        return QStringLiteral("%1\nLibreria MAPI.DLL non trovata.")
            .arg(console::consoleString(console::strings::MailSessionFailed));
    case Outcome::Failed:
        return QCoreApplication::translate("console", "%1\nCodice errore: %2")
            .arg(console::consoleString(console::strings::MailSendFailed))
            .arg(result.exitCode);
    }
    return {};
}

QString MailSender::supportName()
{
    const platform::Registry registry(
        QString::fromLatin1(console::configuration::editorApplication));
    return registry.readString(QStringLiteral("Settings"), QStringLiteral("SupportMailName"),
                               QStringLiteral("Supporto tecnico Velmar"));
}

QString MailSender::supportAddress()
{
    const platform::Registry registry(
        QString::fromLatin1(console::configuration::editorApplication));
    return registry.readString(QStringLiteral("Settings"), QStringLiteral("SupportMailAddress"),
                               QStringLiteral("supporto@velmar.it"));
}
