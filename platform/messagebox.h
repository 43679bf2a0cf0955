#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The one way every program asks the user something. A message box or a
// modal dialog goes through here, so that tests can install a scripted
// responder and nothing ever blocks on a modal window.
namespace platform::ui {

enum class Buttons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};
enum class Icon
{
    None,
    Information,
    Warning,
    Error,
    Question
};
enum class Answer
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry
};

struct MessageRequest
{
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QWidget *parent = nullptr;
};

// Shows a message box with the Italian standard buttons "OK", "Sì", "No",
// "Annulla"; closing it with Esc answers Cancel (or No, or OK, whichever the
// box offers).
Answer messageBox(const MessageRequest &request);
Answer messageBox(QWidget *parent, const QString &text, const QString &caption,
                  Buttons buttons = Buttons::Ok, Icon icon = Icon::None);
// Shorthands for the common cases.
void information(QWidget *parent, const QString &text, const QString &caption = {});
void warning(QWidget *parent, const QString &text, const QString &caption = {});
void error(QWidget *parent, const QString &text, const QString &caption = {});
[[nodiscard]] bool askYesNo(QWidget *parent, const QString &text, const QString &caption = {});

// Runs a modal dialog and returns its result code (QDialog::Accepted or
// Rejected, or a code of the dialog's own).
int execDialog(QDialog &dialog);

// The caption used when a call gives none (the program's name).
void setDefaultCaption(const QString &caption);
[[nodiscard]] QString defaultCaption();

using MessageResponder = std::function<Answer(const MessageRequest &)>;
// The responder sees the dialog already built and may fill it in before it
// returns the result code; the dialog is never shown.
using DialogResponder = std::function<int(QDialog &)>;

// Installs responders for tests; an empty function restores the real boxes.
void setMessageResponder(MessageResponder responder);
void setDialogResponder(DialogResponder responder);
// Whether a dialog responder answers instead of the user.
[[nodiscard]] bool dialogResponderInstalled();

} // namespace platform::ui
