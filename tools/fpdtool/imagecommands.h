#pragma once

#include <QString>

namespace fpdtool {

// The picture commands of the plan tool:
//   fpdtool export FILE.fpd OUT [--percent N] [--trim]
//     the export of the editor: a fraction (1-100 %, default 100) of a
//     15 x 10 cm photograph, JPEG when OUT's extension contains "jpg", else
//     GIF; --trim crops as the "Adatta" box does; the resolution written is
//     ImageDPI of the editor's "Layout" settings (default 300);
//   fpdtool render FILE.fpd OUT.png [--dpi N]
//     the whole sheet at N pixels per inch (default 96), for looking at plans.

[[nodiscard]] bool isImageCommand(const char *command);
// Runs one of them with its own application object; the exit status.
int runImageCommand(int argc, char **argv);

} // namespace fpdtool
