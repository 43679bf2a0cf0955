#pragma once

// Puts the editing into the editor: every plan view gets the drawing tools
// and click modes, and the drawing objects open their property sheets.
namespace editingsetup {

void install();

} // namespace editingsetup
