#pragma once

// The functions a skin library exports, with C names, and what they return.
// The skin manager finds them by name in every library of the skins folder.
//
//   int BCGCBGetSkinCount()                 number of looks in the library
//   const toolkit::SkinClass *BCGCBGetSkinClass(int index)
//                                           the look's class; null for a bad index
//   const char *BCGCBGetSkinName(int index) UTF-8 name; null for a bad index
//   int BCGCBGetSkinVersion(int &major, int &minor)
//                                           the toolkit version the look is
//                                           made for; returns 1
//   int BCGCBPreviewSkin(QPainter *dc, int index, QRect rect)
//                                           draws the preview at the
//                                           rectangle's top-left corner, cut
//                                           to its size; 0 for a bad index
//   const char *BCGCBGetSkinAuthor(int index)
//   const char *BCGCBGetSkinAuthorMail(int index)
//   const char *BCGCBGetSkinAuthorURL(int index)
//   int BCGCBGetSkinUpdate()
//
// Booleans are ints (1 true, 0 false), texts UTF-8 and owned by the library.

class QPainter;
class QRect;

namespace toolkit {

class VisualManager;

// The class of a look in a skin library: its name and how to make one. The
// look is deleted by the toolkit, which shares the library's heap.
struct SkinClass
{
    const char *className;
    VisualManager *(*create)();
};

using SkinCountFunction = int (*)();
using SkinClassFunction = const SkinClass *(*)(int index);
using SkinTextFunction = const char *(*)(int index);
using SkinVersionFunction = int (*)(int &major, int &minor);
using SkinPreviewFunction = int (*)(QPainter *dc, int index, QRect rect);
using SkinUpdateFunction = int (*)();

} // namespace toolkit
