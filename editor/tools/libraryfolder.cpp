#include "editor/tools/libraryfolder.h"

#include "platform/paths.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace editing {

namespace {

constexpr double inchesPerMetre = 0.0254;

void sortNames(QStringList &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(),
              [&collator](const QString &a, const QString &b) { return collator(a, b); });
}

void fill(LibraryFolder &node, int depth)
{
    // A guard against folders linked into themselves.
    constexpr int maxDepth = 32;
    if (depth > maxDepth)
        return;
    const QDir dir(node.path);
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    sortNames(names);
    for (const QString &name : names) {
        LibraryFolder child{name, dir.filePath(name), {}};
        fill(child, depth + 1);
        node.children.push_back(std::move(child));
    }
}

} // namespace

LibraryFolder libraryTree(const QString &folder)
{
    QString path = QDir::cleanPath(folder);
    LibraryFolder root{QFileInfo(path).completeBaseName(), path, {}};
    if (QFileInfo(path).isDir())
        fill(root, 0);
    return root;
}

const QStringList &pictureExtensions()
{
    static const QStringList extensions{QStringLiteral("bmp"),  QStringLiteral("emf"),
                                        QStringLiteral("wmf"),  QStringLiteral("png"),
                                        QStringLiteral("jpg"),  QStringLiteral("jpeg"),
                                        QStringLiteral("gif"),  QStringLiteral("tif"),
                                        QStringLiteral("tiff"), QStringLiteral("exif")};
    return extensions;
}

QStringList scanPictures(const QString &folder)
{
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Readable);
    QStringList found;
    for (const QString &extension : pictureExtensions()) {
        QStringList names;
        for (const QFileInfo &file : files) {
            if (file.suffix().compare(extension, Qt::CaseInsensitive) == 0 && !file.isHidden())
                names << file.fileName();
        }
        sortNames(names);
        found += names;
    }
    return found;
}

QString libraryPath(const QString &relative)
{
    QString portable = relative;
    portable.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (portable.startsWith(QLatin1Char('/')))
        portable.remove(0, 1);
    return platform::programFolder() + portable;
}

PictureInfo pictureInfo(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return {image.width(), image.height(), image.dotsPerMeterX() * inchesPerMetre,
            image.dotsPerMeterY() * inchesPerMetre};
}

QString resolutionText(double dpi)
{
    // A hair under the next whole number stays, so that 508 dpi stored as
    // 20000 dots per metre does not show as 509.
    return QString::asprintf("%.0f", std::ceil(dpi - 1e-6));
}

} // namespace editing
