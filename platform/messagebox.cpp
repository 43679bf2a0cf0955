#include "messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

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

} // namespace

Answer messageBox(const MessageRequest &request)
{
    MessageRequest r = request;
    if (r.caption.isEmpty())
        r.caption = defaultCaption();
    if (messageResponder())
        return messageResponder()(r);

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
