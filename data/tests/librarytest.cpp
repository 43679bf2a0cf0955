// The picture library as the editor's picker sees it in the program folder:
// enough pictures in every folder, every one of them loadable, drawn at the
// scale the library promises, and textures that tile without a seam.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString libraryDir = QStringLiteral(DOMORA_PROGRAM_DIR "/Library");
const QString sourceDir = QStringLiteral(DOMORA_SOURCE_DIR "/data/library");
const QString texturesFolder = QStringLiteral("Textures e motivi di riempimento");

// The picture files of one folder, as the picker collects them: by
// extension, in the picker's order, without descending into subfolders.
QStringList picturesIn(const QString &folder)
{
    static const QStringList extensions = {"bmp",  "emf", "wmf", "png",  "jpg",
                                           "jpeg", "gif", "tif", "tiff", "exif"};
    QStringList names;
    for (const QString &ext : extensions)
        names += QDir(folder).entryList({QStringLiteral("*.") + ext}, QDir::Files);
    return names;
}

// Every picture below `folder`, with its path relative to the library.
QStringList picturesBelow(const QString &folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList folders = {folder};
    while (it.hasNext())
        folders << it.next();
    for (const QString &f : folders)
        for (const QString &name : picturesIn(f))
            all << QDir(libraryDir).relativeFilePath(f + u'/' + name);
    return all;
}

QStringList subfolders(const QString &folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

TEST(PictureLibrary, EveryFolderHoldsEnoughPicturesWhereThePickerLooks)
{
    // Flat folders: the picker lists a folder only when it has no subfolders.
    for (const auto &[folder, least] :
         {std::pair{QStringLiteral("Simboli"), 15}, std::pair{QStringLiteral("Immagini"), 5},
          std::pair{texturesFolder, 12}}) {
        const QString path = libraryDir + u'/' + folder;
        EXPECT_TRUE(subfolders(path).isEmpty()) << folder.toStdString();
        EXPECT_GE(picturesIn(path).size(), least) << folder.toStdString();
    }
    // Furniture is grouped by room: the top folder holds only room folders,
    // each of them pictures.
    const QString objects = libraryDir + QStringLiteral("/Oggetti");
    EXPECT_TRUE(picturesIn(objects).isEmpty());
    const QStringList rooms = subfolders(objects);
    EXPECT_GE(rooms.size(), 5);
    for (const QString &room : rooms) {
        EXPECT_TRUE(subfolders(objects + u'/' + room).isEmpty()) << room.toStdString();
        EXPECT_GE(picturesIn(objects + u'/' + room).size(), 3) << room.toStdString();
    }
    EXPECT_GE(picturesBelow(objects).size(), 25);
}

TEST(PictureLibrary, EveryDrawingHasItsPictureAndNoPictureLacksADrawing)
{
    QStringList drawings;
    QDirIterator it(sourceDir, {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString rel = QDir(sourceDir).relativeFilePath(it.next());
        rel.chop(4);
        drawings << rel;
    }
    QStringList pictures;
    for (const QString &folder :
         {QStringLiteral("Simboli"), QStringLiteral("Oggetti"), QStringLiteral("Immagini")}) {
        for (QString rel : picturesBelow(libraryDir + u'/' + folder)) {
            rel.truncate(rel.lastIndexOf(u'.'));
            pictures << rel;
        }
    }
    drawings.sort();
    pictures.sort();
    EXPECT_EQ(drawings, pictures);
}

TEST(PictureLibrary, EveryPictureLoads)
{
    const QStringList all = picturesBelow(libraryDir);
    ASSERT_FALSE(all.isEmpty());
    for (const QString &rel : all) {
        QImageReader reader(libraryDir + u'/' + rel);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << rel.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_GE(std::max(image.width(), image.height()), 64) << rel.toStdString();
    }
}

// Drawings are in centimetres with a 1 cm margin around the object, written
// with the resolution that makes their natural size the object at 1:50.
TEST(PictureLibrary, FurnitureIsDrawnToScaleOnATransparentMargin)
{
    const QImage bed(libraryDir +
                     QStringLiteral("/Oggetti/Camera da letto/Letto matrimoniale.png"));
    ASSERT_FALSE(bed.isNull());
    const double widthMm = bed.width() / (bed.dotsPerMeterX() / 1000.0);
    const double heightMm = bed.height() / (bed.dotsPerMeterY() / 1000.0);
    EXPECT_NEAR(widthMm, (160 + 2) * 10 / 50.0, 0.1);
    EXPECT_NEAR(heightMm, (200 + 2) * 10 / 50.0, 0.1);

    for (const QString &rel : picturesBelow(libraryDir + QStringLiteral("/Oggetti"))) {
        const QImage image = QImage(libraryDir + u'/' + rel).convertToFormat(QImage::Format_ARGB32);
        ASSERT_TRUE(image.hasAlphaChannel()) << rel.toStdString();
        EXPECT_NEAR(image.dotsPerMeterX(), 20000, 1) << rel.toStdString();
        int opaqueOnBorder = 0;
        for (int x = 0; x < image.width(); ++x)
            opaqueOnBorder += qAlpha(image.pixel(x, 0)) > 0;
        for (int y = 0; y < image.height(); ++y)
            opaqueOnBorder += qAlpha(image.pixel(0, y)) > 0;
        EXPECT_EQ(opaqueOnBorder, 0) << rel.toStdString();
        // And the object itself is there: the centre row is not empty.
        int opaqueInside = 0;
        for (int x = 0; x < image.width(); ++x)
            opaqueInside += qAlpha(image.pixel(x, image.height() / 2)) > 0;
        EXPECT_GT(opaqueInside, image.width() / 4) << rel.toStdString();
    }
}

double columnDifference(const QImage &img, int a, int b)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(a, y);
        const QRgb q = img.pixel(b, y);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / img.height();
}

// How much the wrap from the last column back to the first differs compared
// with the differences between neighbouring columns inside the texture: at
// most 1.0 when it is no rougher than 95 % of the ordinary column steps.
double seamRatio(const QImage &img)
{
    std::vector<double> inside;
    for (int x = 0; x + 1 < img.width(); ++x)
        inside.push_back(columnDifference(img, x, x + 1));
    std::sort(inside.begin(), inside.end());
    const double typical = inside[inside.size() * 95 / 100];
    return columnDifference(img, img.width() - 1, 0) / std::max(typical, 1.0);
}

TEST(PictureLibrary, TexturesTileWithoutASeam)
{
    const QString folder = libraryDir + u'/' + texturesFolder;
    const QStringList textures = picturesIn(folder);
    ASSERT_GE(textures.size(), 12);
    for (const QString &name : textures) {
        const QImage img = QImage(folder + u'/' + name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << name.toStdString();
        EXPECT_EQ(img.width(), img.height()) << name.toStdString();
        // Across the vertical edge, then across the horizontal one.
        QTransform turn;
        turn.rotate(90);
        EXPECT_LE(seamRatio(img), 1.2) << name.toStdString() << " (destra/sinistra)";
        EXPECT_LE(seamRatio(img.transformed(turn)), 1.2) << name.toStdString() << " (alto/basso)";
    }
}

TEST(PictureLibrary, SeamMeasureCatchesATextureThatDoesNotRepeat)
{
    // A horizontal ramp wraps from white back to black: a plain seam.
    QImage ramp(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            ramp.setPixel(x, y, qRgb(x, x, x));
    EXPECT_GT(seamRatio(ramp), 10.0);
}

} // namespace
