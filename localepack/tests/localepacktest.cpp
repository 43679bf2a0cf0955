#include "toolkit/customizedialog.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/mdiframe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

const QString libraryPath = QStringLiteral(DOMORA_PROGRAM_DIR "/localepack.so");

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace

TEST(LanguageLibraryTest, MissingLibraryIsAFailureTheCallerCanTell)
{
    LanguageLibraryError error = LanguageLibraryError::None;
    QString text;
    EXPECT_EQ(LanguageLibrary::load("/nessuna/cartella/localepack.so", &error, &text), nullptr);
    EXPECT_EQ(error, LanguageLibraryError::Missing);
    EXPECT_TRUE(text.contains("/nessuna/cartella/localepack.so"));
}

TEST(LanguageLibraryTest, FileThatIsNoLibraryIsRefused)
{
    QTemporaryDir dir;
    QFile fake(dir.filePath("localepack.so"));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("\x7f"
               "ELF but not really");
    fake.close();
    LanguageLibraryError error = LanguageLibraryError::None;
    EXPECT_EQ(LanguageLibrary::load(fake.fileName(), &error), nullptr);
    EXPECT_EQ(error, LanguageLibraryError::NotLoadable);
}

TEST(LanguageLibraryTest, LibraryWithoutTheExportsIsNotALanguageLibrary)
{
    LanguageLibraryError error = LanguageLibraryError::None;
    EXPECT_EQ(LanguageLibrary::load(DOMORA_PROGRAM_DIR "/Skins/libhorizonskin.so", &error),
              nullptr);
    EXPECT_EQ(error, LanguageLibraryError::NotALanguageLibrary);
}

TEST(LanguageLibraryTest, InstalledLibraryGivesTheToolkitAndQtTheirItalian)
{
    LanguageLibraryError error = LanguageLibraryError::Missing;
    std::unique_ptr<LanguageLibrary> library = LanguageLibrary::load(libraryPath, &error);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(error, LanguageLibraryError::None);
    EXPECT_EQ(library->language(), "it");
    EXPECT_TRUE(library->catalogues().contains("toolkit"));
    const bool qtItalian = QFile::exists("/usr/share/qt6/translations/qtbase_it.qm");
    EXPECT_EQ(library->catalogues().contains("qtbase"), qtItalian);

    EXPECT_EQ(translated("toolkit::CustomizeDialog", "Customize"), "Customize");
    ASSERT_TRUE(library->install());
    EXPECT_EQ(translated("toolkit::CustomizeDialog", "Customize"), "Personalizza");
    EXPECT_EQ(translated("toolkit::StatusBar", "CAP"), "MAIUSC");
    if (qtItalian) {
        EXPECT_EQ(translated("QPlatformTheme", "Cancel"), "Annulla");
    }
    {
        MdiFrame frame;
        CustomizeDialog dialog(frame);
        EXPECT_EQ(dialog.windowTitle(), "Personalizza");
        EXPECT_EQ(dialog.pages()->tabText(0), "Barre degli strumenti");
    }
    library.reset();
    EXPECT_EQ(translated("toolkit::CustomizeDialog", "Customize"), "Customize");
}

// lupdate collects every text of the toolkit; each must have its Italian.
TEST(LanguageLibraryTest, EveryToolkitTextHasItsItalian)
{
    QTemporaryDir dir;
    const QStringList sources = QDir(TOOLKIT_SOURCE_DIR).entryList({"*.cpp", "*.h"}, QDir::Files);
    QStringList arguments{"-silent", "-locations", "none"};
    for (const QString &source : sources)
        arguments.append(QDir(TOOLKIT_SOURCE_DIR).filePath(source));
    arguments << "-ts" << dir.filePath("toolkit.ts");
    QProcess lupdate;
    lupdate.start(LUPDATE, arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QProcess translate;
    translate.start(PYTHON, {TRANSLATE_SCRIPT, dir.filePath("toolkit.ts"), dir.filePath("it.ts")});
    ASSERT_TRUE(translate.waitForFinished(60000));
    EXPECT_EQ(translate.exitCode(), 0) << translate.readAllStandardError().toStdString();
}
