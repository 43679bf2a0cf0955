#include "stylelibrary.h"

#include <algorithm>

namespace styles {

namespace {

// A fault of the library's content, raised inside the parser's hooks.
struct LibraryFault
{
    std::string message;
    int line;
};

constexpr int lastHatchStyle = 52;

const char *typeName(ConfigValueType type)
{
    switch (type) {
    case ConfigValueType::String:
        return "un testo tra virgolette";
    case ConfigValueType::Number:
        return "un numero";
    case ConfigValueType::Boolean:
        return "un valore logico";
    case ConfigValueType::List:
        return "un elenco di numeri";
    }
    return "";
}

void expectType(const ConfigEntry &entry, ConfigValueType type)
{
    if (entry.type != type) {
        throw LibraryFault{"Il valore di '" + entry.key + "' deve essere " + typeName(type) +
                               ", non " + typeName(entry.type) + ".",
                           entry.line};
    }
}

std::uint32_t colourValue(const ConfigEntry &entry)
{
    expectType(entry, ConfigValueType::List);
    if (entry.list.size() != 4)
        throw LibraryFault{"Il colore '" + entry.key +
                               "' deve avere quattro valori: alfa, rosso, verde, blu.",
                           entry.line};
    std::uint32_t argb = 0;
    for (const std::int32_t v : entry.list) {
        if (v < 0 || v > 255)
            throw LibraryFault{"I valori del colore '" + entry.key +
                                   "' devono essere compresi tra 0 e 255.",
                               entry.line};
        argb = (argb << 8) | static_cast<std::uint32_t>(v);
    }
    return argb;
}

bool isFillCode(int code)
{
    switch (code) {
    case FillUnset:
    case FillTransparent:
    case FillSolid:
    case FillGradient:
    case FillTexture:
    case FillHatch:
        return true;
    default:
        return false;
    }
}

bool endsWith(const std::string &s, std::string_view tail)
{
    return std::string_view(s).ends_with(tail);
}

} // namespace

bool StyleLibraryReader::read(const std::string &path)
{
    begin();
    try {
        Open(path);
    } catch (const CConfigException &e) {
        Close();
        return fail(e);
    } catch (const LibraryFault &f) {
        Close();
        m_error = f.message;
        m_errorLine = f.line;
        return false;
    }
    Close();
    return finish();
}

bool StyleLibraryReader::parse(std::string_view bytes, const std::string &path)
{
    begin();
    try {
        Parse(bytes, path);
    } catch (const CConfigException &e) {
        return fail(e);
    } catch (const LibraryFault &f) {
        m_error = f.message;
        m_errorLine = f.line;
        return false;
    }
    return finish();
}

void StyleLibraryReader::begin()
{
    setAcceptValueLists(true);
    m_library = StyleLibrary();
    m_hasHeader = false;
    m_seen.clear();
    m_error.clear();
    m_errorLine = 0;
}

bool StyleLibraryReader::fail(const CConfigException &e)
{
    m_errorLine = e.line();
    switch (e.errorId()) {
    case CConfigException::CannotOpen:
        m_error = "Impossibile aprire la libreria degli stili.";
        break;
    case CConfigException::ReadError:
        m_error = "Errore durante la lettura della libreria degli stili.";
        break;
    case CConfigException::UnmatchedClose:
        m_error = "Il tag di chiusura non corrisponde al blocco aperto.";
        break;
    case CConfigException::ForbiddenChar:
        m_error = "Il nome di un tag o di una chiave contiene un carattere non ammesso.";
        break;
    case CConfigException::MalformedValue:
        m_error = "Valore non valido.";
        break;
    case CConfigException::BadReference:
        m_error = "Il riferimento non indica alcun valore definito in precedenza.";
        break;
    default:
        m_error = "Errore sconosciuto.";
        break;
    }
    return false;
}

bool StyleLibraryReader::finish()
{
    try {
        if (!m_hasHeader)
            throw LibraryFault{"Manca il blocco <header> della libreria.", 0};
        const LibraryHeader &h = m_library.header;
        if (h.fileId == wallsFileId)
            m_library.kind = LibraryKind::Walls;
        else if (h.fileId == roomsFileId)
            m_library.kind = LibraryKind::Rooms;
        else
            throw LibraryFault{"L'intestazione non indica una libreria di stili per muri o stanze "
                               "(fileID sconosciuto).",
                               0};
        if (h.productId != productId)
            throw LibraryFault{"La libreria appartiene ad un altro prodotto (productID).", 0};
        // Room blocks and borders only belong in a room library.
        if (m_library.kind == LibraryKind::Walls) {
            for (const LibraryStyle &s : m_library.styles) {
                if (!s.rooms.empty() || s.borders.line != 0)
                    throw LibraryFault{"Una libreria di stili per i muri non può contenere blocchi "
                                       "<background> o <borders>.",
                                       s.line};
            }
        } else {
            for (const LibraryStyle &s : m_library.styles) {
                if (s.brush.line != 0)
                    throw LibraryFault{"In una libreria di stili per le stanze il pennello va "
                                       "posto in <room> o <borders>.",
                                       s.brush.line};
            }
        }
    } catch (const LibraryFault &f) {
        m_error = f.message;
        m_errorLine = f.line;
        return false;
    }
    return true;
}

void StyleLibraryReader::sectionOpened(const std::string &path, int line)
{
    // Keys seen in the block that opens (and below it) start afresh.
    std::erase_if(m_seen, [&path](const std::string &s) {
        return s.starts_with(path + '\n') || s.starts_with(path + '/');
    });
    if (path == "/header") {
        m_hasHeader = true;
        return;
    }
    if (path == "/style") {
        if (!m_hasHeader)
            throw LibraryFault{"Il blocco <header> deve precedere gli stili.", line};
        LibraryStyle style;
        style.line = line;
        m_library.styles.push_back(std::move(style));
        return;
    }
    if (path == "/style/background" || path == "/style/borders")
        return;
    if (path == "/style/background/room") {
        LibraryRoom room;
        room.line = line;
        m_library.styles.back().rooms.push_back(std::move(room));
        return;
    }
    if (endsWith(path, "/brush")) {
        if (LibraryBrush *brush = brushFor(path)) {
            if (brush->line != 0)
                throw LibraryFault{"Il blocco contiene già un pennello.", line};
            brush->line = line;
            return;
        }
        throw LibraryFault{"Pennello fuori posto: va posto in <style>, <room> o <borders>.", line};
    }
    const std::size_t slash = path.rfind('/');
    throw LibraryFault{"Blocco <" + path.substr(slash + 1) + "> non previsto in questa posizione.",
                       line};
}

void StyleLibraryReader::sectionClosed(const std::string &, const std::string &, int)
{
}

LibraryBrush *StyleLibraryReader::brushFor(const std::string &section)
{
    if (m_library.styles.empty())
        return nullptr;
    LibraryStyle &style = m_library.styles.back();
    if (section == "/style/brush")
        return &style.brush;
    if (section == "/style/borders/brush")
        return &style.borders;
    if (section == "/style/background/room/brush" && !style.rooms.empty())
        return &style.rooms.back().brush;
    return nullptr;
}

void StyleLibraryReader::entryAdded(const ConfigEntry &entry)
{
    std::string seenKey = entry.section + '\n' + entry.key;
    if (std::find(m_seen.begin(), m_seen.end(), seenKey) != m_seen.end())
        return; // the first of two equal keys counts
    m_seen.push_back(std::move(seenKey));

    const std::string &section = entry.section;
    if (section == "/header") {
        setHeaderValue(entry);
    } else if (section == "/style") {
        LibraryStyle &style = m_library.styles.back();
        if (entry.key == "name") {
            expectType(entry, ConfigValueType::String);
            style.name = entry.text;
        } else if (entry.key == "id") {
            expectType(entry, ConfigValueType::String);
            style.id = entry.text;
        }
    } else if (section == "/style/background/room") {
        if (entry.key == "id") {
            expectType(entry, ConfigValueType::String);
            m_library.styles.back().rooms.back().id = entry.text;
        }
    } else if (LibraryBrush *brush = brushFor(section)) {
        setBrushValue(*brush, entry);
    }
}

void StyleLibraryReader::setHeaderValue(const ConfigEntry &entry)
{
    LibraryHeader &h = m_library.header;
    std::string *field = nullptr;
    if (entry.key == "description")
        field = &h.description;
    else if (entry.key == "author")
        field = &h.author;
    else if (entry.key == "copyright")
        field = &h.copyright;
    else if (entry.key == "fileID")
        field = &h.fileId;
    else if (entry.key == "fileVersion")
        field = &h.fileVersion;
    else if (entry.key == "product")
        field = &h.product;
    else if (entry.key == "productVersion")
        field = &h.productVersion;
    else if (entry.key == "productID")
        field = &h.productId;
    if (!field)
        return;
    expectType(entry, ConfigValueType::String);
    *field = entry.text;
}

void StyleLibraryReader::setBrushValue(LibraryBrush &brush, const ConfigEntry &entry)
{
    const std::string &key = entry.key;
    if (key == "fill") {
        expectType(entry, ConfigValueType::Number);
        if (!isFillCode(entry.number))
            throw LibraryFault{"Tipo di riempimento " + std::to_string(entry.number) +
                                   " sconosciuto (ammessi 1120, 1121, 1123, 1125, 1185).",
                               entry.line};
        brush.fill = entry.number;
    } else if (key == "color1") {
        brush.color1 = colourValue(entry);
    } else if (key == "color2") {
        brush.color2 = colourValue(entry);
    } else if (key == "gradientStyle") {
        expectType(entry, ConfigValueType::Number);
        brush.gradientStyle = entry.number;
    } else if (key == "texture") {
        expectType(entry, ConfigValueType::String);
        brush.texture = entry.text;
    } else if (key == "textureScale") {
        expectType(entry, ConfigValueType::Number);
        brush.textureScale = entry.number;
    } else if (key == "textureAngle") {
        expectType(entry, ConfigValueType::Number);
        brush.textureAngle = entry.number;
    } else if (key == "hashType") {
        expectType(entry, ConfigValueType::Number);
        if (entry.number > lastHatchStyle)
            throw LibraryFault{"Il motivo di riempimento deve essere compreso tra 0 e 52.",
                               entry.line};
        brush.hashType = entry.number;
    } else if (key == "width") {
        expectType(entry, ConfigValueType::Number);
        brush.width = entry.number;
    } else if (key == "font") {
        expectType(entry, ConfigValueType::String);
        brush.font = entry.text;
    } else if (key == "title") {
        expectType(entry, ConfigValueType::String);
        brush.title = entry.text;
    }
}

} // namespace styles
