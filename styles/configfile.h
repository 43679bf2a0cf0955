#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The line-oriented, tag-structured text format of the console's file list
// ("filelist.lst") and of the style libraries. Text is single-byte
// Windows-1252 and every comparison is exact, byte by byte: the reader never
// decodes or folds case.

enum class ConfigValueType
{
    String = 0,
    Number = 1,
    Boolean = 2,
    // Only readers that accept value lists (the style-library reader) produce
    // this type: a comma-separated list of decimals such as "255,0,0,0".
    List = 3
};

// One value of the file, in the section path in force at its line.
struct ConfigEntry
{
    ConfigValueType type = ConfigValueType::Number;
    std::string key;     // trimmed; empty for anonymous values
    std::string section; // "" at top level, else "/a", "/a/b", ...
    bool flag = false;
    std::string text;
    std::int32_t number = 0;
    std::vector<std::int32_t> list; // the values of a List entry
    int line = 0;                   // physical line, from 1
};

// Thrown by value by the reader.
class CConfigException
{
public:
    enum Id : std::int32_t
    {
        CannotOpen = 0,     // line 0
        ReadError = 1,      // line 0
        UnmatchedClose = 2, // closing tag not at the end of the section path
        ForbiddenChar = 3,  // a tag name or key holds a forbidden character
        MalformedValue = 4, // unclosed quote, not a number, badly written reference
        BadReference = 5    // empty reference part, or nothing earlier by that name
    };

    CConfigException(std::int32_t errorId, std::int32_t line) : m_errorId(errorId), m_line(line) {}

    [[nodiscard]] std::int32_t errorId() const { return m_errorId; }
    [[nodiscard]] std::int32_t line() const { return m_line; }

private:
    std::int32_t m_errorId;
    std::int32_t m_line;
};

// Reads a configuration file into a list of entries in file order (duplicates
// kept; every lookup returns the first match). Created empty, filled by
// Open(), queried, closed by Close() or the destructor.
class CConfigFile
{
public:
    CConfigFile() = default;
    virtual ~CConfigFile();
    CConfigFile(const CConfigFile &) = delete;
    CConfigFile &operator=(const CConfigFile &) = delete;

    // Opens the file for reading, alone (another reader or writer holding it
    // makes the open fail with error 0), and parses every line. Throws
    // CConfigException; the entries read up to a failing line stay, and the
    // file stays open until Close().
    bool Open(const std::string &path);
    // Parses text held in memory as if it were the file at `path` (the path
    // only feeds the %file...% macros).
    void Parse(std::string_view bytes, const std::string &path);
    // False when nothing was open or closing reported an error.
    bool Close();
    [[nodiscard]] bool isOpen() const { return m_file != nullptr; }

    // The text of the first String entry with that section and key.
    [[nodiscard]] std::string GetString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue = {}) const;
    // Appends the text of every String entry of the section, any key, in file
    // order; returns the size of `list` afterwards.
    std::size_t GetSectionStrings(std::string_view section, std::vector<std::string> &list) const;
    // The first entry of any type with that section and key.
    bool FindEntry(std::string_view section, std::string_view key, ConfigEntry &out) const;

    [[nodiscard]] const std::vector<ConfigEntry> &entries() const { return m_entries; }
    [[nodiscard]] const std::string &currentSection() const { return m_section; }

    // The 25 bytes a tag name or key may not hold.
    [[nodiscard]] static bool isForbidden(unsigned char c);

protected:
    // The style-library reader accepts comma-separated decimal lists as values.
    void setAcceptValueLists(bool accept) { m_acceptLists = accept; }
    // Called when a tag line opens a section or closes one or more levels.
    virtual void sectionOpened(const std::string &path, int line);
    virtual void sectionClosed(const std::string &closedPath, const std::string &newPath, int line);
    virtual void entryAdded(const ConfigEntry &entry);

private:
    void reset(const std::string &path);
    void parseLine(std::string_view line, int lineNumber);
    void parseTag(std::string_view name, int lineNumber);
    void parseValue(std::string_view key, std::string_view value, int lineNumber);
    [[nodiscard]] std::string macroValue(std::string_view value) const;
    [[nodiscard]] bool parseList(std::string_view value, std::vector<std::int32_t> &out) const;

    std::FILE *m_file = nullptr;
    std::string m_path;
    std::vector<ConfigEntry> m_entries;
    std::string m_section;
    bool m_acceptLists = false;
};
