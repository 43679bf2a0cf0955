#include "console/stylelibraryfile.h"
#include "console/stylesyntax.h"
#include "console/styletemplates.h"

#include "styles/stylelibrary.h"
#include "testfolder.h"

#include <sys/file.h>

#include <gtest/gtest.h>

using styles::LibraryKind;
using stylesyntax::Kind;

TEST(StyleTemplates, HeaderIsTheLibraryLayoutByteForByte)
{
    const QString rooms =
        "// Libreria degli stili per le stanze di Domora\n// Creata con la Domora Management "
        "Console\n\n<header>\n   description = \"\"\n   author = \"\"\n   copyright = "
        "\"Copyright (c)\"\n   fileID = \"{B339CD67-1D9B-426F-8476-86984686BBD5}\"\n   "
        "fileVersion = \"1.0.0\"\n   product = \"Domora\"\n   productVersion = \"1.0.0\"\n   "
        "productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\n</header>\n\n";
    EXPECT_EQ(styletemplates::header(LibraryKind::Rooms), rooms);
    QString walls = rooms;
    walls.replace(QStringLiteral("le stanze"), QStringLiteral("i muri"));
    walls.replace(QStringLiteral("B339CD67-1D9B-426F-8476-86984686BBD5"),
                  QStringLiteral("E2A7C287-E14E-4145-8A49-999D5989F740"));
    EXPECT_EQ(styletemplates::header(LibraryKind::Walls), walls);
    EXPECT_EQ(styletemplates::brush(),
              "\t// Pennello: \n\t<brush>\n\t\tfill = 0\n\t\tcolor1 = 0,0,0,0\n\t\tcolor2 = "
              "0,0,0,0\n\t\tgradientStyle = 0 \n\t\ttexture = \"\"\n\t\ttextureScale = "
              "20\n\t\ttextureAngle = 0\n\t\thashType = 0\n\t</brush>\n");
}

TEST(StyleTemplates, BlocksFormAReadableLibrary)
{
    for (const LibraryKind kind : {LibraryKind::Walls, LibraryKind::Rooms}) {
        QString text = styletemplates::header(kind) + styletemplates::style(kind);
        if (kind == LibraryKind::Rooms) {
            // one more room inside the background
            text.insert(text.indexOf(QStringLiteral("    </background>")), styletemplates::room());
        }
        styles::StyleLibraryReader reader;
        ASSERT_TRUE(reader.parse(text.toStdString())) << reader.errorString();
        ASSERT_EQ(reader.library().styles.size(), 1u);
        EXPECT_EQ(reader.library().kind, kind);
        if (kind == LibraryKind::Rooms) {
            EXPECT_EQ(reader.library().styles[0].rooms.size(), 2u);
            EXPECT_NE(reader.library().styles[0].borders.line, 0);
        } else {
            EXPECT_EQ(reader.library().styles[0].brush.textureScale, 20);
        }
    }
}

TEST(StyleTemplates, ChooserValues)
{
    const auto &palette = styletemplates::palette();
    const auto red = std::find_if(palette.begin(), palette.end(),
                                  [](const auto &c) { return QLatin1String(c.name) == "Rosso"; });
    ASSERT_NE(red, palette.end());
    EXPECT_EQ(styletemplates::colourText(QColor(red->red, red->green, red->blue)), "255,255,0,0");
    EXPECT_EQ(styletemplates::fillNames().at(3), "Texture o immagine");
    EXPECT_EQ(styletemplates::fillText(3), "1125");
    EXPECT_EQ(styletemplates::fillText(0), "1120");
    EXPECT_EQ(QLatin1String(styletemplates::hatchNames()[37]), "Onda");
    EXPECT_EQ(styletemplates::patternText(37), "37");
    EXPECT_EQ(QLatin1String(styletemplates::hatchNames()[52]), "Diamanti pieni");
}

TEST(StyleTemplates, LineField)
{
    EXPECT_EQ(styletemplates::lineFieldTarget(QStringLiteral("3"), 10), 3);
    EXPECT_EQ(styletemplates::lineFieldTarget(QStringLiteral(" 3abc"), 10), 3);
    EXPECT_EQ(styletemplates::lineFieldTarget(QStringLiteral("9"), 10), 9);
    EXPECT_FALSE(styletemplates::lineFieldTarget(QStringLiteral("10"), 10));
    EXPECT_FALSE(styletemplates::lineFieldTarget(QStringLiteral("0"), 10));
    EXPECT_FALSE(styletemplates::lineFieldTarget(QStringLiteral("brush"), 10));
    EXPECT_FALSE(styletemplates::lineFieldTarget(QStringLiteral("-2"), 10));
    EXPECT_FALSE(styletemplates::lineFieldTarget(QStringLiteral("99999999999"), 10));
}

namespace {

// The colour of every character of `line`, one letter per character:
// . plain, c comment, s string, t tag, h header key, b brush key.
std::string colours(const QString &line, bool inComment = false)
{
    std::string out(static_cast<size_t>(line.size()), '.');
    for (const auto &s : stylesyntax::lineSpans(line, inComment)) {
        const char mark = ".csthb"[static_cast<int>(s.kind)];
        for (int i = s.start; i < s.start + s.length; ++i)
            out[static_cast<size_t>(i)] = mark;
    }
    return out;
}

} // namespace

TEST(StyleSyntax, KeywordsNeedDelimitersOnBothSides)
{
    EXPECT_EQ(colours("\t<brush>"), ".ttttttt");
    EXPECT_EQ(colours("fill = 0"), "bbbb....");
    EXPECT_EQ(colours("filler = 0"), "..........");
    EXPECT_EQ(colours("xfill=1"), ".......");
    EXPECT_EQ(colours("(fill)"), ".bbbb.");
    EXPECT_EQ(colours("name=id,fill;"), "hhhh.hh.bbbb.");
    EXPECT_EQ(colours("Fill"), "...."); // case-sensitive
    EXPECT_EQ(colours("<header>x"), ".........");
    EXPECT_EQ(colours("=\tcopyright"), "..hhhhhhhhh");
    EXPECT_EQ(colours("= copyright"), ".hhhhhhhhhh"); // the piece with its leading space
}

TEST(StyleSyntax, CommentsAndStringsComeFirst)
{
    EXPECT_EQ(colours("// fill"), "ccccccc");
    EXPECT_EQ(colours("id = \"fill\" // x"), "hh...ssssss.cccc");
    EXPECT_EQ(colours("t = 'a\\'b' fill"), "....ssssss.bbbb");
    EXPECT_EQ(colours("t = \"open"), "....sssss");
    bool inComment = false;
    (void)stylesyntax::lineSpans(QStringLiteral("fill /* a"), inComment);
    EXPECT_TRUE(inComment);
    EXPECT_EQ(colours("still */ fill", true), "cccccccc.bbbb");

    const QString text = QStringLiteral("/*\nfill\n*/ fill");
    std::string all(static_cast<size_t>(text.size()), '.');
    for (const auto &s : stylesyntax::textSpans(text))
        for (int i = s.start; i < s.start + s.length; ++i)
            all[static_cast<size_t>(i)] = "csthb"[static_cast<int>(s.kind) - 1];
    EXPECT_EQ(all, "cc.cccc.cc.bbbb");
    EXPECT_EQ(stylesyntax::colour(Kind::Comment), QColor(0, 130, 0));
    EXPECT_EQ(stylesyntax::colour(Kind::BrushKey), QColor(0, 0, 255));
}

TEST(StyleLibraryFile, LoadAndSaveKeepTheLayout)
{
    TestFolder dir;
    const QString path = dir.write(QStringLiteral("rooms.fps"), "// caff\xE8\r\n<header>\r\nfine");
    const stylelibraryfile::Loaded loaded = stylelibraryfile::load(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.text, QStringLiteral("// caffè\n<header>\nfine\n"));
    EXPECT_EQ(stylelibraryfile::save(path, loaded.text + QStringLiteral("nuova\n")), QString());
    EXPECT_EQ(dir.read(QStringLiteral("rooms.fps")),
              "// caff\xE8\r\n<header>\r\nfine\r\nnuova\r\n");

    const QString empty = dir.write(QStringLiteral("empty.fps"), "");
    EXPECT_EQ(stylelibraryfile::load(empty).text, QString());
}

TEST(StyleLibraryFile, TheFourMessages)
{
    TestFolder dir;
    EXPECT_EQ(stylelibraryfile::load(dir.filePath(QStringLiteral("rooms.fps"))).message,
              "Errore durante la lettura del file degli stili (1).");
    EXPECT_EQ(stylelibraryfile::load(dir.path()).message,
              "Errore durante la lettura del file degli stili (1).");
    const QString path = dir.write(QStringLiteral("walls.fps"), "x\r\n");
    QFile holder(path);
    ASSERT_TRUE(holder.open(QIODevice::ReadOnly));
    ASSERT_EQ(::flock(holder.handle(), LOCK_EX), 0);
    EXPECT_EQ(stylelibraryfile::load(path).message,
              "Errore durante la lettura del file degli stili (1).");
    holder.close();
    EXPECT_EQ(stylelibraryfile::save(dir.filePath(QStringLiteral("no/walls.fps")), "x"),
              "Errore durante la scrittura del file degli stili (1).");
}
