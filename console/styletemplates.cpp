#include "styletemplates.h"

#include <QCoreApplication>

namespace styletemplates {

namespace {

const char *const commonHeader =
    "// Creata con la Domora Management Console\n\n<header>\n"
    "   description = \"\"\n   author = \"\"\n   copyright = \"Copyright (c)\"\n"
    "   fileID = \"%1\"\n   fileVersion = \"1.0.0\"\n   product = \"Domora\"\n"
    "   productVersion = \"1.0.0\"\n   productID = \"{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}\"\n"
    "</header>\n\n";

// The ten lines of a brush block with the indents of its comment and tags
// and of its keys. The space after "gradientStyle = 0" is part of the layout.
QString brushBlock(const char *tagIndent, const char *keyIndent)
{
    const QString t = QString::fromLatin1(tagIndent);
    const QString k = QString::fromLatin1(keyIndent);
    return t + QStringLiteral("// Pennello: \n") + t + QStringLiteral("<brush>\n") + k +
           QStringLiteral("fill = 0\n") + k + QStringLiteral("color1 = 0,0,0,0\n") + k +
           QStringLiteral("color2 = 0,0,0,0\n") + k + QStringLiteral("gradientStyle = 0 \n") + k +
           QStringLiteral("texture = \"\"\n") + k + QStringLiteral("textureScale = 20\n") + k +
           QStringLiteral("textureAngle = 0\n") + k + QStringLiteral("hashType = 0\n") + t +
           QStringLiteral("</brush>\n");
}

QString roomBrush()
{
    return brushBlock("\t    ", "\t\t");
}

const char *const roomOpening = "\t// Stile specifico per la stanza:\n\t<room>\n"
                                "\t    // ID della stanza\n\t    id = \"\"\n\n";

const char *const styleOpening =
    "// Stile: \n<style>\n    // Nome e ID dello stile\n    name = \"\"\n    id = \"\"\n\n";

constexpr std::array<NamedColour, 40> namedColours = {{
    {"Nero", 0, 0, 0},
    {"Marrone", 165, 42, 0},
    {"Verde oliva scuro", 0, 64, 64},
    {"Verde scuro", 0, 85, 0},
    {"Ciano scuro", 0, 0, 94},
    {"Blu scuro", 0, 0, 139},
    {"Viola scuro", 75, 0, 130},
    {"Grigio scuro", 40, 40, 40},
    {"Rosso scuro", 139, 0, 0},
    {"Arancio", 255, 104, 32},
    {"Giallo scuro", 139, 139, 0},
    {"Verde", 0, 147, 0},
    {"Ciano", 56, 142, 142},
    {"Blu", 0, 0, 255},
    {"Grigio-blu", 123, 123, 192},
    {"Grigio 40%", 102, 102, 102},
    {"Rosso", 255, 0, 0},
    {"Arancio chiaro", 255, 173, 91},
    {"Verde chiaro", 50, 205, 50},
    {"Verde acqua", 60, 179, 113},
    {"Azzurro acqua", 127, 255, 212},
    {"Blu chiaro", 125, 158, 192},
    {"Violetto", 128, 0, 128},
    {"Grigio 50%", 127, 127, 127},
    {"Rosa", 255, 192, 203},
    {"Oro", 255, 215, 0},
    {"Giallo", 255, 255, 0},
    {"Verde lime", 0, 255, 0},
    {"Turchese", 64, 224, 208},
    {"Blu cielo", 192, 255, 255},
    {"Viola prugna", 72, 0, 72},
    {"Grigio chiaro", 192, 192, 192},
    {"Rosa pastello", 255, 228, 225},
    {"Marrone pastello", 210, 180, 140},
    {"Giallo pastello", 255, 255, 224},
    {"Verde pastello", 152, 251, 152},
    {"Turchese pastello", 175, 238, 238},
    {"Blu pastello", 104, 131, 139},
    {"Lavanda", 230, 230, 250},
    {"Bianco", 255, 255, 255},
}};

constexpr std::array<const char *, 53> hatchNameList = {
    "Linee orizzontali",
    "Linee verticali",
    "Diagonale in avanti",
    "Diagonale indietro",
    "Quadrettato",
    "Quadrettato in diagonale",
    "Riempimento 5%",
    "Riempimento 10%",
    "Riempimento 20%",
    "Riempimento 25%",
    "Riempimento 30%",
    "Riempimento 40%",
    "Riempimento 50%",
    "Riempimento 60%",
    "Riempimento 70%",
    "Riempimento 75%",
    "Riempimento 80%",
    "Riempimento 90%",
    "Diagonale fitto sottile, indietro",
    "Diagonale fitto sottile, in avanti",
    "Diagonale scuro, indietro",
    "Diagonale scuro, in avanti",
    "Diagonale sottile rado, indietro",
    "Diagonale sottile rado, in avanti",
    "Verticale sottile fitto",
    "Orizzontale sottile fitto",
    "Verticale sottile",
    "Orizzontale sottile",
    "Verticale scuro",
    "Orizzontale scuro",
    "Tratteggiato diagonale, indietro",
    "Tratteggiato diagonale, in avanti",
    "Tratteggiato orizzontale",
    "Tratteggiato verticale",
    "Confetti piccoli",
    "Confetti grandi",
    "Zig zag",
    "Onda",
    "Mattoni inclinati",
    "Mattoni orizzontali",
    "Trama (tessitura)",
    "Plaid",
    "Divot",
    "Griglia punteggiata",
    "Diamanti punteggiati",
    "Ciottoli",
    "Graticcio",
    "Sfera",
    "Griglia piccola",
    "Scacchiera piccola",
    "Scacchiera grande",
    "Diamanti scontornati",
    "Diamanti pieni",
};

constexpr int fillCodes[] = {1120, 1121, 1123, 1125};

} // namespace

QString header(LibraryKind kind)
{
    const QString first = kind == LibraryKind::Walls
                              ? QStringLiteral("// Libreria degli stili per i muri di Domora\n")
                              : QStringLiteral("// Libreria degli stili per le stanze di Domora\n");
    const std::string_view id =
        kind == LibraryKind::Walls ? styles::wallsFileId : styles::roomsFileId;
    return first + QString::fromLatin1(commonHeader)
                       .arg(QString::fromLatin1(id.data(), static_cast<qsizetype>(id.size())));
}

QString style(LibraryKind kind)
{
    QString text = QString::fromLatin1(styleOpening);
    if (kind == LibraryKind::Walls) {
        text += brushBlock("    ", "        ");
        text += QStringLiteral("</style>\n\n");
        return text;
    }
    text += QStringLiteral("    // Stile da applicare allo sfondo\n    <background>\n");
    text += QString::fromLatin1(roomOpening) + roomBrush();
    text += QStringLiteral("\t</room>\n    </background>\n\n    // Stile da applicare ai muri\n"
                           "    <borders>\n");
    text += roomBrush();
    text += QStringLiteral("    </borders>\n</style>\n\n");
    return text;
}

QString brush()
{
    return brushBlock("\t", "\t\t");
}

QString room()
{
    return QString::fromLatin1(roomOpening) + roomBrush() + QStringLiteral("\t</room>\n\n");
}

const std::array<NamedColour, 40> &palette()
{
    return namedColours;
}

const std::array<QColor, 7> &documentColours()
{
    static const std::array<QColor, 7> colours = {
        QColor(162, 124, 43),  QColor(244, 174, 203), QColor(195, 195, 194), QColor(235, 255, 238),
        QColor(255, 251, 157), QColor(124, 197, 161), QColor(181, 222, 248)};
    return colours;
}

QString documentColoursTitle()
{
    return QCoreApplication::translate("console", "Vantorie standard");
}

QString colourText(const QColor &colour)
{
    return QStringLiteral("255,%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QStringList fillNames()
{
    return {QCoreApplication::translate("console", "Trasparente"),
            QCoreApplication::translate("console", "Colore pieno"),
            QCoreApplication::translate("console", "Motivo di riempimento"),
            QCoreApplication::translate("console", "Texture o immagine")};
}

QString fillText(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(fillCodes)))
        return {};
    return QString::number(fillCodes[index]);
}

const std::array<const char *, 53> &hatchNames()
{
    return hatchNameList;
}

QString patternText(int index)
{
    if (index < 0 || index >= static_cast<int>(hatchNameList.size()))
        return {};
    return QString::number(index);
}

std::optional<int> lineFieldTarget(const QString &field, int lineCount)
{
    // atoi: leading white space, an optional sign, then digits up to the first other character.
    const QString t = field.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        negative = t[i++] == u'-';
    qint64 n = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        n = n * 10 + (t[i].unicode() - '0');
        if (n > INT32_MAX)
            return std::nullopt;
    }
    // A negative number names no line: the field is searched for as a word.
    if (negative || n == 0 || n >= lineCount)
        return std::nullopt;
    return static_cast<int>(n);
}

} // namespace styletemplates
