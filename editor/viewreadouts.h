#pragma once

#include <QString>

// Where a plan view writes what it has to say: the information bar's
// read-outs (by control number), the status bar's panes and its prompt.
class ViewReadouts
{
public:
    // The information bar's controls: the cursor position and its distance
    // from the sheet's origin.
    static constexpr int positionControl = 1042;
    static constexpr int distanceControl = 1043;
    // The status-bar pane with the sheet's free area.
    static constexpr int areaPane = 2;

    virtual ~ViewReadouts() = default;
    virtual void setInfoText(int controlId, const QString &text) = 0;
    virtual void setPaneText(int pane, const QString &text) = 0;
    // The message pane; empty clears it.
    virtual void setPrompt(const QString &text) = 0;
};
