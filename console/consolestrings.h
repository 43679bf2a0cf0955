#pragma once

#include <QString>

// The console's string table: numbered texts shared by menus, pages and
// messages. A number the table does not hold gives an empty text.
namespace console::strings {
enum : int
{
    AboutMenuItem = 101,
    BugReportCaption = 104,
    PageConfigurationTitle = 105,
    PageActivityTitle = 106,
    PageErrorTitle = 107,
    PageBehaviourTitle = 108,
    PageSummaryTitle = 109,
    PageConfigurationSubtitle = 110,
    PageActivitySubtitle = 111,
    PageErrorSubtitle = 112,
    PageBehaviourSubtitle = 113,
    PageSummarySubtitle = 114,
    MailSessionFailed = 115,
    MailSendFailed = 116,
};
} // namespace console::strings

namespace console {
[[nodiscard]] QString consoleString(int id);
} // namespace console
