#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Sending a document by mail: the user's mail program, started through
// xdg-email, composes a message with the document attached. A document that
// is unchanged on disk is attached as it is; any other is written first under
// its title into a folder of its own in the user's cache, which is cleared of
// attachments older than a day at the next send (the mail program may read
// the file long after we have handed it over).
namespace mailattachment {

// "<cache>/Velmar/Jotter/Posta"
[[nodiscard]] QString attachmentRoot();

// A file name made from the document's title: characters a file name cannot
// hold become '_', and `defaultExtension` (".txt") is added when the title
// has no extension.
[[nodiscard]] QString attachmentName(const QString &title, const QString &defaultExtension);

// Writes the bytes as `fileName` in a new folder under the root; returns the
// file's path, or an empty string with the reason in `errorString`.
[[nodiscard]] QString writeAttachment(const QString &fileName, const QByteArray &bytes,
                                      QString *errorString);

// Removes the folders under the root older than `maxAgeSeconds`.
void removeOldAttachments(qint64 maxAgeSeconds = 24 * 60 * 60);

[[nodiscard]] QStringList xdgEmailArguments(const QString &attachmentPath, const QString &subject);

// Starts xdg-email, found on the PATH, detached. False when it is missing or
// cannot be started.
bool startMailProgram(const QStringList &arguments);

} // namespace mailattachment
