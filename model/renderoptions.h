#pragma once

namespace model {

// What a drawing is made for: the screen shows the selection marks and the
// frames of embedded items; paper and exported pictures show neither.
enum class DrawPurpose
{
    Screen,
    Print,
    Export,
};

// The editor options the drawing of plans obeys; the editor copies its
// options here at start-up and whenever they change.
struct RenderOptions
{
    bool showCornerID = false;       // vertex numbers of selected rooms
    bool showWallID = false;         // wall numbers of selected rooms
    bool showRotationCenter = false; // a red cross at every room's centre
    int performance = 3;             // the quality preset of screen drawing
};

RenderOptions &renderOptions();

// The purpose of the drawing under way; the document's drawing entry sets it
// for the length of one drawing.
[[nodiscard]] DrawPurpose currentDrawPurpose();

class DrawPurposeScope
{
public:
    explicit DrawPurposeScope(DrawPurpose purpose);
    ~DrawPurposeScope();
    DrawPurposeScope(const DrawPurposeScope &) = delete;
    DrawPurposeScope &operator=(const DrawPurposeScope &) = delete;

private:
    DrawPurpose m_previous;
};

} // namespace model
