#pragma once

#include <functional>

class GTColorDialog;

// The picker as a program: one modal colour dialog that starts on pure blue;
// the program ends when it closes.
class CPickerApp
{
public:
    using DialogRunner = std::function<int(GTColorDialog &)>;

    // Installs the Italian texts of the standard widgets and the message
    // caption; runs the dialog through `run` (the modal loop when empty).
    // Returns the process's exit code.
    int InitInstance(const DialogRunner &run = {});
};
