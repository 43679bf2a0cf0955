#include "styles/configfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ParseResult
{
    std::vector<ConfigEntry> entries;
    std::optional<CConfigException> error;
};

ParseResult parse(std::string_view text, const std::string &path = "/tmp/test.lst")
{
    CConfigFile file;
    ParseResult result;
    try {
        file.Parse(text, path);
    } catch (const CConfigException &e) {
        result.error = e;
    }
    result.entries = file.entries();
    return result;
}

// Parses text that must fail; returns {error id, line}.
std::pair<int, int> failure(std::string_view text)
{
    const ParseResult r = parse(text);
    if (!r.error)
        return {-1, -1};
    return {r.error->errorId(), r.error->line()};
}

ConfigEntry single(std::string_view text)
{
    const ParseResult r = parse(text);
    EXPECT_FALSE(r.error) << "error " << r.error->errorId() << " for: " << text;
    EXPECT_EQ(r.entries.size(), 1u) << text;
    return r.entries.empty() ? ConfigEntry() : r.entries.back();
}

class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/configfiletest-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string write(const std::string &name, std::string_view content) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

TEST(ConfigLines, CommentsBlanksAndDirectivesGiveNothing)
{
    const ParseResult r = parse("; semicolon\r\n' quote\r\n// slashes\r\n\r\n   \t\r\n#define x\r\n"
                                "  ; indented comment\r\n#<not a tag>\r\n");
    EXPECT_FALSE(r.error);
    EXPECT_TRUE(r.entries.empty());
}

TEST(ConfigLines, AssignmentTrimsKeyAndKeepsEqualsInValue)
{
    const ConfigEntry e = single("  key   =   \"a = b\"  ");
    EXPECT_EQ(e.key, "key");
    EXPECT_EQ(e.type, ConfigValueType::String);
    EXPECT_EQ(e.text, "a = b");
    EXPECT_EQ(e.section, "");
}

TEST(ConfigLines, AnonymousValuesAndBareKeys)
{
    const ParseResult r = parse(":=   \"one\"\n= \"two\"\nx\n");
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].key, "");
    EXPECT_EQ(r.entries[0].text, "one");
    EXPECT_EQ(r.entries[1].key, "");
    EXPECT_EQ(r.entries[1].text, "two");
    EXPECT_EQ(r.entries[2].key, "x");
    EXPECT_EQ(r.entries[2].type, ConfigValueType::Number);
    EXPECT_EQ(r.entries[2].number, 0);
}

TEST(ConfigLines, TextAfterAValueIsPartOfIt)
{
    EXPECT_EQ(failure("a = 1\nfill = 0 // note\n"), std::make_pair(4, 2));
    EXPECT_EQ(single("v = \"x\" ; \"y\"").text, "x\" ; \"y");
    // the value ends with a quote only if the last character is one
    EXPECT_EQ(failure("v = \"x\" y"), std::make_pair(4, 1));
}

TEST(ConfigLines, LineNumbersCountEveryPhysicalLineAndBareLf)
{
    EXPECT_EQ(failure("; c\r\n\r\n<a>\n\n</b>\r\n"), std::make_pair(2, 5));
    const ParseResult r = parse("a = 1\rb = 2\n");
    // a lone CR does not end a line: the value "1\rb = 2" is not a number
    EXPECT_EQ(r.error->errorId(), 4);
}

TEST(ConfigSections, TagsBuildAndCloseThePath)
{
    const ParseResult r = parse("<backup>\n<shared>\n:= \"a\"\n</shared>\n:= \"b\"\n<libs>\n"
                                ":= \"c\"\n</backup/libs>\n:= \"d\"\n<  x  >\n:= \"e\"\n");
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.entries.size(), 5u);
    EXPECT_EQ(r.entries[0].section, "/backup/shared");
    EXPECT_EQ(r.entries[1].section, "/backup");
    EXPECT_EQ(r.entries[2].section, "/backup/libs");
    EXPECT_EQ(r.entries[3].section, "");
    EXPECT_EQ(r.entries[4].section, "/x"); // unclosed at the end: no error
}

TEST(ConfigSections, ClosingMustMatchTheEndOfThePath)
{
    EXPECT_EQ(failure("<a>\n<b>\n</a>\n"), std::make_pair(2, 3));
    EXPECT_EQ(failure("</a>\n"), std::make_pair(2, 1));
    EXPECT_EQ(failure("<ba>\n</a>\n"), std::make_pair(2, 2));
}

TEST(ConfigSections, ForbiddenCharactersInNamesAndKeys)
{
    EXPECT_EQ(failure("<my tag>"), std::make_pair(3, 1));
    EXPECT_EQ(failure("\n<header"), std::make_pair(3, 2)); // an assignment whose key holds '<'
    EXPECT_EQ(failure("a.b = 1"), std::make_pair(3, 1));
    EXPECT_EQ(failure("a\xA3 = 1"), std::make_pair(3, 1));
    EXPECT_EQ(failure("<a-b>"), std::make_pair(3, 1));
    for (const char c : std::string(";,.:!\xA3$%&='?^+-*#@()[]<> ")) {
        EXPECT_TRUE(CConfigFile::isForbidden(static_cast<unsigned char>(c))) << c;
    }
    int count = 0;
    for (int c = 0; c < 256; ++c)
        count += CConfigFile::isForbidden(static_cast<unsigned char>(c)) ? 1 : 0;
    EXPECT_EQ(count, 25);
    // slash, underscore, braces and tabs are allowed
    const ConfigEntry e = single("<a/{b}_c>\nk_{1}\t/x = 2\n");
    EXPECT_EQ(e.section, "/a/{b}_c");
    EXPECT_EQ(e.key, "k_{1}\t/x");
}

TEST(ConfigValues, Numbers)
{
    const struct
    {
        const char *text;
        std::int32_t number;
    } cases[] = {{"x = 0x1F", 31},
                 {"x = 010", 8},
                 {"x = ff", 0},
                 {"x = 42", 42},
                 {"x = 0X10", 16},
                 {"x =", 0},
                 {"x = 08", 0},
                 {"x = 1x2", 1},
                 {"x = 0x", 0},
                 {"x = 99999999999", INT32_MAX},
                 {"x = 0xFFFFFFFF", INT32_MAX}};
    for (const auto &c : cases) {
        const ConfigEntry e = single(c.text);
        EXPECT_EQ(e.type, ConfigValueType::Number) << c.text;
        EXPECT_EQ(e.number, c.number) << c.text;
    }
    for (const char *bad : {"x = -1", "x = 0,0,0,0", "x = 1 2", "x = true", "x = +1", "x = 1.5"})
        EXPECT_EQ(failure(bad), std::make_pair(4, 1)) << bad;
}

TEST(ConfigValues, BooleansAreUpperCaseOnly)
{
    EXPECT_TRUE(single("b = TRUE").flag);
    EXPECT_TRUE(single("b = T").flag);
    EXPECT_FALSE(single("b = FALSE").flag);
    const ConfigEntry f = single("b = F");
    EXPECT_EQ(f.type, ConfigValueType::Boolean);
    EXPECT_FALSE(f.flag);
    EXPECT_EQ(failure("b = True"), std::make_pair(4, 1));
}

TEST(ConfigValues, StringsAreLiteral)
{
    EXPECT_EQ(failure("v = \"abc"), std::make_pair(4, 1));
    const ConfigEntry lone = single("v = \"");
    EXPECT_EQ(lone.type, ConfigValueType::String);
    EXPECT_EQ(lone.text, "");
    EXPECT_EQ(single("v = \"a\\\"b\"").text, "a\\\"b");
    EXPECT_EQ(single("v = \"\"\"").text, "\"");
    EXPECT_EQ(single("v = \"caf\xE8\"").text, "caf\xE8");
}

TEST(ConfigValues, MacrosOnlyAsTheWholeValue)
{
    const ParseResult r =
        parse("a = %filename%\nb = %filetitle%\nc = %filepath%\n<s>\nd = %section%\n"
              "e = %filename%x\nf = %nothing%\n",
              "/data/files/filelist.lst");
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.entries.size(), 6u);
    EXPECT_EQ(r.entries[0].text, "filelist.lst");
    EXPECT_EQ(r.entries[1].text, "filelist");
    EXPECT_EQ(r.entries[2].text, "/data/files/filelist.lst");
    EXPECT_EQ(r.entries[3].text, "/s");
    EXPECT_EQ(r.entries[4].text, "");
    EXPECT_EQ(r.entries[4].type, ConfigValueType::String);
    EXPECT_EQ(r.entries[5].text, "");
}

TEST(ConfigValues, ReferencesCopyEarlierEntries)
{
    const ParseResult r = parse("<a>\nx = 0x10\ns = \"t\"\n</a>\n<b>\ny = @(/a, x)\n"
                                "z = @( /a ,s )\n");
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.entries.size(), 4u);
    EXPECT_EQ(r.entries[2].key, "y");
    EXPECT_EQ(r.entries[2].section, "/b");
    EXPECT_EQ(r.entries[2].type, ConfigValueType::Number);
    EXPECT_EQ(r.entries[2].number, 16);
    EXPECT_EQ(r.entries[3].type, ConfigValueType::String);
    EXPECT_EQ(r.entries[3].text, "t");

    EXPECT_EQ(failure("<a>\nx = 1\ny = @(/a,)\n"), std::make_pair(5, 3));
    EXPECT_EQ(failure("<a>\nx = 1\ny = @(,x)\n"), std::make_pair(5, 3));
    EXPECT_EQ(failure("<a>\nx = 1\ny = @(/a)\n"), std::make_pair(5, 3));
    EXPECT_EQ(failure("<a>\nx = 1\ny = @/a,x\n"), std::make_pair(4, 3));
    EXPECT_EQ(failure("y = @(/a,x\n"), std::make_pair(4, 1));
    EXPECT_EQ(failure("y = @\n"), std::make_pair(4, 1));
    // a reference sees only the lines above it, itself included out
    EXPECT_EQ(failure("<a>\ny = @(/a,x)\nx = 1\n"), std::make_pair(5, 2));
    EXPECT_EQ(failure("<a>\ny = @(/a,y)\n"), std::make_pair(5, 2));
    // top-level entries cannot be named: the section part is empty
    EXPECT_EQ(failure("x = 1\ny = @(,x)\n"), std::make_pair(5, 2));
}

TEST(ConfigLookups, FirstMatchInFileOrder)
{
    CConfigFile file;
    file.Parse("<h>\nk = 5\nk = \"first\"\nk = \"second\"\n:= \"anon\"\n</h>\nk = \"top\"\n"
               "<h>\nflag = T\n",
               "x.lst");
    EXPECT_EQ(file.GetString("/h", "k"), "first"); // the Number entry is skipped
    EXPECT_EQ(file.GetString("/h", "missing", "dflt"), "dflt");
    EXPECT_EQ(file.GetString("", "k"), "top");
    EXPECT_EQ(file.GetString("/h", "flag", "no"), "no");

    std::vector<std::string> list{"before"};
    EXPECT_EQ(file.GetSectionStrings("/h", list), 4u);
    EXPECT_EQ(list, (std::vector<std::string>{"before", "first", "second", "anon"}));
    EXPECT_EQ(file.GetSectionStrings("/nothing", list), 4u);

    ConfigEntry e;
    ASSERT_TRUE(file.FindEntry("/h", "k", e));
    EXPECT_EQ(e.type, ConfigValueType::Number);
    EXPECT_EQ(e.number, 5);
    EXPECT_FALSE(file.FindEntry("/H", "k", e)); // case-sensitive
}

TEST(ConfigLookups, EntriesBeforeAnErrorStay)
{
    CConfigFile file;
    EXPECT_THROW(file.Parse("a = 1\nb = 2\nc = bad!\nd = 3\n", "x"), CConfigException);
    ASSERT_EQ(file.entries().size(), 2u);
    EXPECT_EQ(file.entries()[1].key, "b");
}

TEST(ConfigLookups, ListsAreRejectedByThePlainReader)
{
    EXPECT_EQ(failure("color1 = 0,0,0,0"), std::make_pair(4, 1));
}

TEST(ConfigFileIo, OpenReadsTheFileAndClose)
{
    TempFolder dir;
    const std::string path =
        dir.write("filelist.lst", "<header>\r\n   product = \"Domora\"\r\n</header>\r\n"
                                  "name = %filename%\r\nlast = \"no line end\"");
    CConfigFile file;
    EXPECT_FALSE(file.Close()); // nothing open yet
    EXPECT_TRUE(file.Open(path));
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(file.GetString("/header", "product"), "Domora");
    EXPECT_EQ(file.GetString("", "name"), "filelist.lst");
    EXPECT_EQ(file.GetString("", "last"), "no line end");
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.GetString("/header", "product"), "Domora"); // entries outlive the file
}

TEST(ConfigFileIo, MissingLockedOrFolderIsErrorZero)
{
    TempFolder dir;
    CConfigFile file;
    for (const std::string &path : {dir.path() + "/missing.lst", dir.path()}) {
        try {
            file.Open(path);
            ADD_FAILURE() << path;
        } catch (const CConfigException &e) {
            EXPECT_EQ(e.errorId(), 0);
            EXPECT_EQ(e.line(), 0);
        }
    }
    const std::string path = dir.write("locked.lst", "a = 1\n");
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_THROW(file.Open(path), CConfigException);
    ::close(fd);
    EXPECT_TRUE(file.Open(path));
}

TEST(ConfigFileIo, ErrorInAFileLeavesItOpenUntilClose)
{
    TempFolder dir;
    std::string big;
    for (int i = 0; i < 20000; ++i)
        big += "<s>\nkey" + std::to_string(i) + " = " + std::to_string(i) + "\n</s>\n";
    big += "oops = 1-\n";
    const std::string path = dir.write("big.lst", big);
    CConfigFile file;
    try {
        file.Open(path);
        FAIL();
    } catch (const CConfigException &e) {
        EXPECT_EQ(e.errorId(), 4);
        EXPECT_EQ(e.line(), 60001); // lines split across read blocks still count once
    }
    EXPECT_EQ(file.entries().size(), 20000u);
    EXPECT_EQ(file.entries()[19999].number, 19999);
    EXPECT_TRUE(file.isOpen());
    EXPECT_TRUE(file.Close());
}
