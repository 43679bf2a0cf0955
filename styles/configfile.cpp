#include "configfile.h"

#include <climits>
#include <filesystem>

#ifdef __unix__
#include <sys/file.h>
#include <sys/stat.h>
#endif

namespace {

// What the C library's isspace() accepts in the "C" locale.
bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isHexDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int digitValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string_view leftTrimmed(std::string_view s)
{
    while (!s.empty() && isSpace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    return s;
}

bool hasForbidden(std::string_view s)
{
    for (const char c : s) {
        if (CConfigFile::isForbidden(static_cast<unsigned char>(c)))
            return true;
    }
    return false;
}

// strtol() with base 0 on a platform whose long has 32 bits: "0x" selects
// hexadecimal, a leading "0" octal, else decimal; conversion stops at the
// first character outside the base and saturates at LONG_MAX. The caller
// has already made sure the text holds no sign and no spaces.
std::int32_t strtol32(std::string_view s)
{
    int base = 10;
    std::size_t i = 0;
    if (s.size() >= 1 && s[0] == '0') {
        if (s.size() >= 3 && (s[1] == 'x' || s[1] == 'X') &&
            isHexDigit(static_cast<unsigned char>(s[2]))) {
            base = 16;
            i = 2;
        } else {
            base = 8;
        }
    }
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        const int d = digitValue(static_cast<unsigned char>(s[i]));
        if (d >= base)
            break;
        value = value * base + d;
        if (value > INT32_MAX)
            return INT32_MAX;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

CConfigFile::~CConfigFile()
{
    Close();
}

bool CConfigFile::isForbidden(unsigned char c)
{
    static constexpr std::string_view forbidden(";,.:!\xA3$%&='?^+-*#@()[]<> ", 25);
    return c != 0 && forbidden.find(static_cast<char>(c)) != std::string_view::npos;
}

void CConfigFile::reset(const std::string &path)
{
    m_path = path;
    m_entries.clear();
    m_section.clear();
}

bool CConfigFile::Open(const std::string &path)
{
    if (m_file)
        Close();
    reset(path);

    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw CConfigException(CConfigException::CannotOpen, 0);
#ifdef __unix__
    // A folder opens for reading here but not on every system; and the file
    // is read alone, so a second reader or a writer that locks it keeps out.
    struct stat st = {};
    if (::fstat(fileno(file), &st) != 0 || S_ISDIR(st.st_mode) ||
        ::flock(fileno(file), LOCK_EX | LOCK_NB) != 0) {
        std::fclose(file);
        throw CConfigException(CConfigException::CannotOpen, 0);
    }
#endif
    m_file = file;

    std::string pending;
    int lineNumber = 0;
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, m_file);
        if (n == 0)
            break;
        std::string_view chunk(buffer, n);
        for (std::size_t lf = chunk.find('\n'); lf != std::string_view::npos;
             lf = chunk.find('\n')) {
            if (pending.empty()) {
                parseLine(chunk.substr(0, lf), ++lineNumber);
            } else {
                pending.append(chunk.substr(0, lf));
                parseLine(pending, ++lineNumber);
                pending.clear();
            }
            chunk.remove_prefix(lf + 1);
        }
        pending.append(chunk);
    }
    if (std::ferror(m_file))
        throw CConfigException(CConfigException::ReadError, 0);
    if (!pending.empty())
        parseLine(pending, ++lineNumber);
    return true;
}

void CConfigFile::Parse(std::string_view bytes, const std::string &path)
{
    reset(path);
    int lineNumber = 0;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        parseLine(bytes.substr(0, lf), ++lineNumber);
        if (lf == std::string_view::npos)
            break;
        bytes.remove_prefix(lf + 1);
    }
}

bool CConfigFile::Close()
{
    if (!m_file)
        return false;
#ifdef __unix__
    ::flock(fileno(m_file), LOCK_UN);
#endif
    const int result = std::fclose(m_file);
    m_file = nullptr;
    return result == 0;
}

void CConfigFile::parseLine(std::string_view line, int lineNumber)
{
    // A line is read as a C string: a NUL byte ends it.
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
        line = line.substr(0, nul);
    line = trimmed(line);
    if (line.empty())
        return;
    if (line.front() == ';' || line.front() == '\'' || line.starts_with("//"))
        return;
    if (line.front() == '#')
        return; // directives have no effect
    if (line.front() == '<' && line.back() == '>' && line.size() >= 2) {
        parseTag(trimmed(line.substr(1, line.size() - 2)), lineNumber);
        return;
    }
    if (line.starts_with(":=")) {
        parseValue({}, leftTrimmed(line.substr(2)), lineNumber);
        return;
    }
    const std::size_t eq = line.find('=');
    const std::string_view key = trimmed(line.substr(0, eq));
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view() : trimmed(line.substr(eq + 1));
    if (hasForbidden(key))
        throw CConfigException(CConfigException::ForbiddenChar, lineNumber);
    parseValue(key, value, lineNumber);
}

void CConfigFile::parseTag(std::string_view name, int lineNumber)
{
    if (hasForbidden(name))
        throw CConfigException(CConfigException::ForbiddenChar, lineNumber);
    if (name.empty() || name.front() != '/') {
        m_section.push_back('/');
        m_section.append(name);
        sectionOpened(m_section, lineNumber);
        return;
    }
    // Closing matches on text: "</b>" closes "/a/b", "</a/b>" both levels.
    if (!std::string_view(m_section).ends_with(name))
        throw CConfigException(CConfigException::UnmatchedClose, lineNumber);
    const std::string closed = m_section;
    m_section.resize(m_section.size() - name.size());
    sectionClosed(closed, m_section, lineNumber);
}

std::string CConfigFile::macroValue(std::string_view value) const
{
    const std::filesystem::path path(m_path);
    if (value == "%filename%")
        return path.filename().string();
    if (value == "%filepath%") {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
        return ec ? m_path : absolute.string();
    }
    if (value == "%filetitle%")
        return path.stem().string();
    if (value == "%section%")
        return m_section;
    return {}; // no partial substitution
}

bool CConfigFile::parseList(std::string_view value, std::vector<std::int32_t> &out) const
{
    out.clear();
    for (;;) {
        const std::size_t comma = value.find(',');
        const std::string_view piece = trimmed(value.substr(0, comma));
        if (piece.empty() || piece.size() > 9)
            return false;
        std::int32_t number = 0;
        for (const char c : piece) {
            if (c < '0' || c > '9')
                return false;
            number = number * 10 + (c - '0');
        }
        out.push_back(number);
        if (comma == std::string_view::npos)
            return true;
        value.remove_prefix(comma + 1);
    }
}

void CConfigFile::parseValue(std::string_view key, std::string_view value, int lineNumber)
{
    ConfigEntry entry;
    entry.key = std::string(key);
    entry.section = m_section;
    entry.line = lineNumber;

    if (!value.empty() && value.front() == '%') {
        entry.type = ConfigValueType::String;
        entry.text = macroValue(value);
    } else if (!value.empty() && value.front() == '@') {
        const std::string_view rest = value.substr(1);
        if (rest.size() < 2 || rest.front() != '(' || rest.back() != ')')
            throw CConfigException(CConfigException::MalformedValue, lineNumber);
        const std::string_view inner = trimmed(rest.substr(1, rest.size() - 2));
        const std::size_t comma = inner.find(',');
        const std::string_view section = trimmed(inner.substr(0, comma));
        const std::string_view name =
            comma == std::string_view::npos ? std::string_view() : trimmed(inner.substr(comma + 1));
        ConfigEntry target;
        if (section.empty() || name.empty() || !FindEntry(section, name, target))
            throw CConfigException(CConfigException::BadReference, lineNumber);
        entry.type = target.type;
        entry.flag = target.flag;
        entry.text = std::move(target.text);
        entry.number = target.number;
        entry.list = std::move(target.list);
    } else if (!value.empty() && value.front() == '"') {
        if (value.back() != '"')
            throw CConfigException(CConfigException::MalformedValue, lineNumber);
        entry.type = ConfigValueType::String;
        // Taken literally: no escapes; a lone quote is the empty string.
        if (value.size() >= 2)
            entry.text = std::string(value.substr(1, value.size() - 2));
    } else if (value == "TRUE" || value == "FALSE" || value == "T" || value == "F") {
        entry.type = ConfigValueType::Boolean;
        entry.flag = value == "TRUE" || value == "T";
    } else if (m_acceptLists && value.find(',') != std::string_view::npos) {
        if (!parseList(value, entry.list))
            throw CConfigException(CConfigException::MalformedValue, lineNumber);
        entry.type = ConfigValueType::List;
    } else {
        for (const char c : value) {
            const auto u = static_cast<unsigned char>(c);
            if (!isHexDigit(u) && u != 'x' && u != 'X')
                throw CConfigException(CConfigException::MalformedValue, lineNumber);
        }
        entry.type = ConfigValueType::Number;
        entry.number = strtol32(value);
    }
    m_entries.push_back(std::move(entry));
    entryAdded(m_entries.back());
}

std::string CConfigFile::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const
{
    for (const ConfigEntry &e : m_entries) {
        if (e.type == ConfigValueType::String && e.section == section && e.key == key)
            return e.text;
    }
    return std::string(defaultValue);
}

std::size_t CConfigFile::GetSectionStrings(std::string_view section,
                                           std::vector<std::string> &list) const
{
    for (const ConfigEntry &e : m_entries) {
        if (e.type == ConfigValueType::String && e.section == section)
            list.push_back(e.text);
    }
    return list.size();
}

bool CConfigFile::FindEntry(std::string_view section, std::string_view key, ConfigEntry &out) const
{
    for (const ConfigEntry &e : m_entries) {
        if (e.section == section && e.key == key) {
            out = e;
            return true;
        }
    }
    return false;
}

void CConfigFile::sectionOpened(const std::string &, int)
{
}

void CConfigFile::sectionClosed(const std::string &, const std::string &, int)
{
}

void CConfigFile::entryAdded(const ConfigEntry &)
{
}
