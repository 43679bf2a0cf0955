#include "messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace platform::ui {

namespace {

MessageResponder &messageResponder()
{
    static MessageResponder responder;
    return responder;
}

DialogResponder &dialogResponder()
{
    static DialogResponder responder;
    return responder;
}

QString &captionStore()
{
    static QString caption;
    return caption;
}

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A process started by an end-to-end test answers from a file instead of
// asking anyone: DOMORA_SCRIPTED_ANSWERS names it, one answer a line, taken
// in order by every message box and modal dialog of every process that
// inherits the variable ("Sì", "No", "OK", "Annulla", "Riprova" for a box;
// "default", pressing the dialog's default button, or "Annulla" for a
// dialog); a line "text => answer" is kept for the first question that
// contains the text. A question the file does not answer is cancelled. Each
// question and its answer is appended to the file's name + ".log".
std::optional<QString> takeScriptedAnswer(const QString &question)
{
    const QString path = qEnvironmentVariable("DOMORA_SCRIPTED_ANSWERS");
    if (path.isEmpty())
        return std::nullopt;
    QString answer = QStringLiteral("Annulla");
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) {
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        // "text => answer" answers the first question that contains the
        // text, wherever it comes; a plain line answers the next question.
        qsizetype chosen = -1;
        for (qsizetype i = 0; i < lines.size() && chosen < 0; ++i) {
            const qsizetype arrow = lines[i].indexOf(QLatin1String(" => "));
            if (arrow >= 0 && question.contains(lines[i].left(arrow).trimmed()))
                chosen = i;
        }
        for (qsizetype i = 0; i < lines.size() && chosen < 0; ++i)
            if (!lines[i].contains(QLatin1String(" => ")))
                chosen = i;
        if (chosen >= 0) {
            const QString line = lines.takeAt(chosen);
            const qsizetype arrow = line.indexOf(QLatin1String(" => "));
            answer = (arrow >= 0 ? line.mid(arrow + 4) : line).trimmed();
        }
        file.resize(0);
        file.seek(0);
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        file.close();
    }
    QFile log(path + QStringLiteral(".log"));
    if (log.open(QIODevice::Append))
        log.write((QString(question).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                   QStringLiteral(" -> ") + answer + QLatin1Char('\n'))
                      .toUtf8());
    return answer;
}

Answer scriptedAnswer(const QString &word, Buttons buttons)
{
    const bool hasCancel = buttons == Buttons::OkCancel || buttons == Buttons::YesNoCancel ||
                           buttons == Buttons::RetryCancel;
    const bool hasYesNo = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    if (word == QStringLiteral("Sì") && hasYesNo)
        return Answer::Yes;
    if (word == QLatin1String("No") && hasYesNo)
        return Answer::No;
    if (word == QLatin1String("Riprova") && buttons == Buttons::RetryCancel)
        return Answer::Retry;
    if (word == QLatin1String("OK") && (buttons == Buttons::Ok || buttons == Buttons::OkCancel))
        return Answer::Ok;
    // Anything else is the box's way out, as Esc would give.
    if (hasCancel)
        return Answer::Cancel;
    return hasYesNo ? Answer::No : Answer::Ok;
}

} // namespace

Answer messageBox(const MessageRequest &request)
{
    MessageRequest r = request;
    if (r.caption.isEmpty())
        r.caption = defaultCaption();
    if (messageResponder())
        return messageResponder()(r);
    if (const auto word = takeScriptedAnswer(r.text))
        return scriptedAnswer(*word, r.buttons);

    QMessageBox box(toQt(r.icon), r.caption, r.text, QMessageBox::NoButton, r.parent);
    QPushButton *ok = nullptr, *yes = nullptr, *no = nullptr, *cancel = nullptr, *retry = nullptr;
    switch (r.buttons) {
    case Buttons::Ok:
        ok = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(ok);
        break;
    case Buttons::OkCancel:
        ok = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QObject::tr("Annulla"), QMessageBox::RejectRole);
        break;
    case Buttons::YesNo:
        yes = box.addButton(QObject::tr("Sì"), QMessageBox::YesRole);
        no = box.addButton(QObject::tr("No"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case Buttons::YesNoCancel:
        yes = box.addButton(QObject::tr("Sì"), QMessageBox::YesRole);
        no = box.addButton(QObject::tr("No"), QMessageBox::NoRole);
        cancel = box.addButton(QObject::tr("Annulla"), QMessageBox::RejectRole);
        break;
    case Buttons::RetryCancel:
        retry = box.addButton(QObject::tr("Riprova"), QMessageBox::AcceptRole);
        cancel = box.addButton(QObject::tr("Annulla"), QMessageBox::RejectRole);
        break;
    }
    if (cancel)
        box.setEscapeButton(cancel);
    box.exec();
    const QAbstractButton *clicked = box.clickedButton();
    if (clicked == ok && ok)
        return Answer::Ok;
    if (clicked == yes && yes)
        return Answer::Yes;
    if (clicked == no && no)
        return Answer::No;
    if (clicked == retry && retry)
        return Answer::Retry;
    if (cancel)
        return Answer::Cancel;
    return no ? Answer::No : Answer::Ok;
}

Answer messageBox(QWidget *parent, const QString &text, const QString &caption, Buttons buttons,
                  Icon icon)
{
    return messageBox(MessageRequest{text, caption, buttons, icon, parent});
}

void information(QWidget *parent, const QString &text, const QString &caption)
{
    messageBox(parent, text, caption, Buttons::Ok, Icon::Information);
}

void warning(QWidget *parent, const QString &text, const QString &caption)
{
    messageBox(parent, text, caption, Buttons::Ok, Icon::Warning);
}

void error(QWidget *parent, const QString &text, const QString &caption)
{
    messageBox(parent, text, caption, Buttons::Ok, Icon::Error);
}

bool askYesNo(QWidget *parent, const QString &text, const QString &caption)
{
    return messageBox(parent, text, caption, Buttons::YesNo, Icon::Question) == Answer::Yes;
}

int execDialog(QDialog &dialog)
{
    if (dialogResponder())
        return dialogResponder()(dialog);
    if (const auto word = takeScriptedAnswer(dialog.windowTitle())) {
        if (*word == QLatin1String("default")) {
            const auto buttons = dialog.findChildren<QPushButton *>();
            for (QPushButton *button : buttons) {
                if (button->isDefault()) {
                    button->click();
                    return dialog.result();
                }
            }
        }
        return QDialog::Rejected;
    }
    return dialog.exec();
}

void setDefaultCaption(const QString &caption)
{
    captionStore() = caption;
}

QString defaultCaption()
{
    if (!captionStore().isEmpty())
        return captionStore();
    return QApplication::applicationDisplayName();
}

void setMessageResponder(MessageResponder responder)
{
    messageResponder() = std::move(responder);
}

void setDialogResponder(DialogResponder responder)
{
    dialogResponder() = std::move(responder);
}

bool dialogResponderInstalled()
{
    return static_cast<bool>(dialogResponder());
}

} // namespace platform::ui
