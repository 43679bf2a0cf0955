#include "renderoptions.h"

namespace model {

namespace {

DrawPurpose &purpose()
{
    static DrawPurpose current = DrawPurpose::Screen;
    return current;
}

} // namespace

RenderOptions &renderOptions()
{
    static RenderOptions options;
    return options;
}

DrawPurpose currentDrawPurpose()
{
    return purpose();
}

DrawPurposeScope::DrawPurposeScope(DrawPurpose p) : m_previous(purpose())
{
    purpose() = p;
}

DrawPurposeScope::~DrawPurposeScope()
{
    purpose() = m_previous;
}

} // namespace model
