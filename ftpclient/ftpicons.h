#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the FTP browser, drawn in code: the tree's 16×15 images
// (0 red cross, 1 yellow folder, 2 page of text) and the program icon.
namespace ftpicons {

enum TreeImage
{
    NoConnection = 0,
    Folder = 1,
    File = 2
};

[[nodiscard]] QPixmap treeImage(TreeImage image);
[[nodiscard]] QIcon programIcon();

} // namespace ftpicons
