#pragma once

#include <QString>

// The editor's string table: numbered texts shared by messages, prompts and
// the log. A number the table does not hold gives an empty text.
namespace strings {
enum : int
{
    WinsockInitFailed = 104,
    LocalePackMissing = 32772,
    AppName = 57344,
    OleInitFailed = 57645,
};
} // namespace strings

[[nodiscard]] QString editorString(int id);
