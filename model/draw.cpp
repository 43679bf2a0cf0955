#include "model/cdrawimage.h"
#include "model/cdrawobj.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"

void CDrawObj::Draw(graphics::Context &)
{
}

void CDrawObj::DrawTracker(graphics::Context &, int)
{
}

void CDrawRect::Draw(graphics::Context &)
{
}

void CDrawPoly::Draw(graphics::Context &)
{
}

void CDrawPoly::DrawOpenings(graphics::Context &)
{
}

void CDrawOpenPath::Draw(graphics::Context &)
{
}

void CDrawText::Draw(graphics::Context &)
{
}

void CDrawImage::Draw(graphics::Context &)
{
}

void CDrawOleObj::Draw(graphics::Context &)
{
}
