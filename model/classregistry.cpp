#include "classregistry.h"

#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"

#include <algorithm>
#include <iterator>

namespace model {

namespace {

template <class T> std::unique_ptr<Persistent> make()
{
    return std::make_unique<T>();
}

constexpr ClassInfo classes[] = {
    {"CDrawObj", &make<CDrawObj>},       {"CDrawRect", &make<CDrawRect>},
    {"CDrawPoly", &make<CDrawPoly>},     {"CDrawOpenPath", &make<CDrawOpenPath>},
    {"CDrawText", &make<CDrawText>},     {"CDrawImage", &make<CDrawImage>},
    {"CDrawOleObj", &make<CDrawOleObj>}, {"CDrawItem", &make<CDrawItem>},
};

} // namespace

const ClassInfo *findClass(std::string_view name)
{
    const auto it = std::find_if(std::begin(classes), std::end(classes),
                                 [name](const ClassInfo &c) { return name == c.name; });
    return it == std::end(classes) ? nullptr : &*it;
}

} // namespace model
