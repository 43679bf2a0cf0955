// The data generator's own rules: text files in the programs' code page and
// line ends, and noise and textures that repeat exactly at the tile's edge.

#include "noise.h"
#include "textfile.h"
#include "textures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace datagen;

TEST(WindowsText, AccentsBecomeCodePageBytesAndLinesEndInCrLf)
{
    QByteArray out;
    QString error;
    ASSERT_TRUE(
        toWindowsText(QByteArray("Perch\xc3\xa9 \xe2\x82\xac\nriga\r\nfine\n"), &out, &error));
    EXPECT_EQ(out, QByteArray("Perch\xe9 \x80\r\nriga\r\nfine\r\n"));
}

TEST(WindowsText, ByteOrderMarkIsDroppedAndLastLineKeepsNoTerminator)
{
    QByteArray out;
    QString error;
    ASSERT_TRUE(toWindowsText(QByteArray("\xef\xbb\xbf"
                                         "a\nb"),
                              &out, &error));
    EXPECT_EQ(out, QByteArray("a\r\nb"));
}

TEST(WindowsText, CharacterOutsideTheCodePageIsRefusedWithItsLine)
{
    QByteArray out;
    QString error;
    EXPECT_FALSE(toWindowsText(QByteArray("ok\nfreccia \xe2\x86\x92\n"), &out, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("riga 2"))) << error.toStdString();
}

TEST(PeriodicNoise, RepeatsAfterItsPeriodInBothAxes)
{
    for (double u : {0.0, 0.37, 2.5, 6.99}) {
        for (double v : {0.0, 1.25, 4.8}) {
            EXPECT_DOUBLE_EQ(periodicNoise(u, v, 7, 5, 3), periodicNoise(u + 7, v, 7, 5, 3));
            EXPECT_DOUBLE_EQ(periodicNoise(u, v, 7, 5, 3), periodicNoise(u, v - 5, 7, 5, 3));
            EXPECT_NEAR(periodicFbm(u, v, 4, 4, 5, 9), periodicFbm(u + 4, v + 8, 4, 4, 5, 9),
                        1e-12);
            const double n = periodicFbm(u, v, 4, 4, 5, 9);
            EXPECT_GE(n, 0.0);
            EXPECT_LE(n, 1.0);
        }
    }
}

TEST(Textures, EveryRecipeDrawsATileOfTheAskedSizeAndUnknownNamesNone)
{
    const QStringList names = textureNames();
    EXPECT_GE(names.size(), 12);
    for (const QString &name : names) {
        const QImage tile = makeTexture(name, 64);
        ASSERT_FALSE(tile.isNull()) << name.toStdString();
        EXPECT_EQ(tile.size(), QSize(64, 64)) << name.toStdString();
        // Not a flat colour: a texture has something to show.
        QRgb first = tile.pixel(0, 0);
        bool varies = false;
        for (int i = 0; i < 64 && !varies; ++i)
            varies = tile.pixel(i, (i * 7) % 64) != first;
        EXPECT_TRUE(varies) << name.toStdString();
    }
    EXPECT_TRUE(makeTexture(QStringLiteral("Linoleum a pois"), 64).isNull());
}

// The committed plan sources are exactly what scripts/make-samples writes, so
// a plan edited in the script cannot be forgotten in the sources.
TEST(SampleSources, AreWhatTheGeneratorWrites)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(DOMORA_SOURCE_DIR "/scripts/make-samples"), tmp.path()});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QDir committed(QStringLiteral(DOMORA_SOURCE_DIR "/data/samples"));
    const QStringList written = QDir(tmp.path()).entryList({QStringLiteral("*.json")}, QDir::Files);
    EXPECT_EQ(written, committed.entryList({QStringLiteral("*.json")}, QDir::Files));
    for (const QString &name : written) {
        QFile a(tmp.filePath(name));
        QFile b(committed.filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll()) << name.toStdString();
    }
}
