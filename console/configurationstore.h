#pragma once

#include <QString>

// The editor's settings as the console saves, adds and resets them: the key
// HKEY_CURRENT_USER\Software\Velmar\Domora with its sub-keys "Interface",
// "Settings" and "Recent File List".
namespace console::configuration {

inline constexpr const char *editorApplication = "Domora";

// Exports the whole key, or only "Interface" (the customisations), as a .reg file.
bool save(const QString &regFilePath, bool onlyCustomisations);
// Applies a .reg file.
bool add(const QString &regFilePath);

struct ResetChoice
{
    bool interface = false; // menus and window positions
    bool settings = false;  // the application's preferences
    bool recentFiles = false;
    [[nodiscard]] bool any() const { return interface || settings || recentFiles; }
};
// Deletes the chosen sub-keys with everything below them, in the order
// Interface, Settings, Recent File List. Failures are not reported.
void reset(const ResetChoice &choice);

[[nodiscard]] QString exportFailedMessage();
[[nodiscard]] QString importFailedMessage();

} // namespace console::configuration
