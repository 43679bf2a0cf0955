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

// Pictures keep the loaded bitmap and embedded objects their item and owner
// besides what they read: they are always made new.
constexpr ClassInfo classes[] = {
    {"CDrawObj", &make<CDrawObj>, &typeid(CDrawObj), true},
    {"CDrawRect", &make<CDrawRect>, &typeid(CDrawRect), true},
    {"CDrawPoly", &make<CDrawPoly>, &typeid(CDrawPoly), true},
    {"CDrawOpenPath", &make<CDrawOpenPath>, &typeid(CDrawOpenPath), true},
    {"CDrawText", &make<CDrawText>, &typeid(CDrawText), true},
    {"CDrawImage", &make<CDrawImage>, &typeid(CDrawImage), false},
    {"CDrawOleObj", &make<CDrawOleObj>, &typeid(CDrawOleObj), false},
    {"CDrawItem", &make<CDrawItem>, &typeid(CDrawItem), false},
};
static_assert(std::size(classes) == classCount);

} // namespace

const ClassInfo *findClass(std::string_view name)
{
    const auto it = std::find_if(std::begin(classes), std::end(classes),
                                 [name](const ClassInfo &c) { return name == c.name; });
    return it == std::end(classes) ? nullptr : &*it;
}

int classIndex(const ClassInfo &cls)
{
    return static_cast<int>(&cls - std::begin(classes));
}

} // namespace model
