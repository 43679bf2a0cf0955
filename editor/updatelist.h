#pragma once

#include <QDate>
#include <QString>

#include "platform/process.h"

#include <optional>
#include <vector>

// The update list the editor fetches from the update server, and the other
// texts of the update check, as plain functions over strings.
namespace updatelist {

// One line of the list: where the file comes from, its name relative to the
// program folder, the date it was published and its size in bytes.
struct Record
{
    QString url;
    QString name;
    QString dateText;
    std::optional<QDate> date; // empty when the date could not be read
    qint64 size = 0;
};

// The records between "BEGIN_PATCHWELL2(" and ")END_PATCHWELL2", with line
// ends dropped and every "$" read as a space. Empty when the markers are
// missing or out of order (found is then false).
[[nodiscard]] std::vector<Record> parse(const QString &response, bool *found = nullptr);

// A date without time: the user's short date, the Italian "10/05/2003" and
// "10/05/03", and the ISO "2003-05-10".
[[nodiscard]] std::optional<QDate> parseDate(const QString &text);

// A name from the network is safe when it stays inside the program folder:
// not absolute, no drive letter, no ".." step, not empty.
[[nodiscard]] bool isSafeRelativeName(const QString &name);

// The two files that go straight into the program folder rather than into
// the staging folder.
[[nodiscard]] bool installsDirectly(const QString &name);

struct ServerCommand
{
    QString commandLine;
    platform::ShowWindow show = platform::ShowWindow::Normal;
};

// The first "BEGIN_COMMAND(...)END_COMMAND" of a response, with line ends
// dropped; a "WINDOW(MAXIMIZED);" or "WINDOW(MINIMIZED);" right before it
// chooses how it is shown.
[[nodiscard]] std::optional<ServerCommand> serverCommand(const QString &response);

// The status line of the download window for the bytes received so far.
[[nodiscard]] QString progressText(qint64 bytesReceived, qint64 expectedSize, int *percent);

} // namespace updatelist
