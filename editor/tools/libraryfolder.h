#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace editing {

// A folder of the picture library and the folders below it; the tree of the
// picture picker.
struct LibraryFolder
{
    QString name; // the folder's last path component
    QString path; // absolute
    std::vector<LibraryFolder> children;
};

// The folder and every folder below it (hidden ones left out), children in
// alphabetical order. A folder that does not exist gives just itself.
[[nodiscard]] LibraryFolder libraryTree(const QString &folder);

// The picture extensions, in the order a folder is scanned.
[[nodiscard]] const QStringList &pictureExtensions();

// The picture files of a folder (names without the folder): all ".bmp"
// files, then ".emf", ".wmf", ".png", ".jpg", ".jpeg", ".gif", ".tif",
// ".tiff", ".exif" (extensions in any case); within one extension in
// alphabetical order. Hidden files and folders are left out.
[[nodiscard]] QStringList scanPictures(const QString &folder);

// The library folder below the program folder, from a name relative to it
// ("Library/Simboli"; backslashes are accepted).
[[nodiscard]] QString libraryPath(const QString &relative);

// The picture's facts for the details pane.
struct PictureInfo
{
    int width = 0;
    int height = 0;
    double dpiX = 0.0;
    double dpiY = 0.0;
};
// Zeros for a file that cannot be read.
[[nodiscard]] PictureInfo pictureInfo(const QString &path);
// "%.0f" of the resolution rounded up to whole dots per inch.
[[nodiscard]] QString resolutionText(double dpi);

} // namespace editing
