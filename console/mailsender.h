#pragma once

#include <QString>
#include <QStringList>

struct MailMessage
{
    QString subject;
    QString body;
    QString recipientName;
    QString recipientAddress;
};

// Hands a message to the user's mail program through "xdg-email": the
// program shows the composed message and the user sends it from there.
class MailSender
{
public:
    enum class Outcome
    {
        HandedOver,
        ProgramMissing, // no xdg-email on the path
        Failed          // xdg-email ended with an error; see exitCode
    };
    struct Result
    {
        Outcome outcome = Outcome::HandedOver;
        int exitCode = 0;
    };

    // Starts xdg-email and waits, with the event loop running, until it ends
    // or `handOverMs` pass. A mail program that keeps xdg-email waiting
    // counts as handed over; xdg-email then goes on by itself.
    [[nodiscard]] static Result send(const MailMessage &message, int handOverMs = 15000);
    [[nodiscard]] static QStringList arguments(const MailMessage &message);
    // The message for a failure; empty when handed over.
    [[nodiscard]] static QString failureText(const Result &result);

    // The support recipient: the "Settings" values SupportMailName and
    // SupportMailAddress of the editor's key, with the maker's address as default.
    [[nodiscard]] static QString supportName();
    [[nodiscard]] static QString supportAddress();
};
