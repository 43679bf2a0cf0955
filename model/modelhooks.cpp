#include "modelhooks.h"

#include <QDebug>

namespace model {

namespace {

MessageSink &messageSink()
{
    static MessageSink sink;
    return sink;
}

PropertyEditor &propertyEditor()
{
    static PropertyEditor editor;
    return editor;
}

} // namespace

ModelOptions &modelOptions()
{
    static ModelOptions options;
    return options;
}

void setMessageSink(MessageSink sink)
{
    messageSink() = std::move(sink);
}

void showMessage(const QString &text)
{
    if (const MessageSink &sink = messageSink())
        sink(text);
    else
        qWarning().noquote() << text;
}

void setPropertyEditor(PropertyEditor editor)
{
    propertyEditor() = std::move(editor);
}

void editProperties(CDrawObj &object, DocumentView *view)
{
    if (const PropertyEditor &editor = propertyEditor())
        editor(object, view);
}

} // namespace model
