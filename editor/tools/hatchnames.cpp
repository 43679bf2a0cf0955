#include "editor/tools/hatchnames.h"

#include "graphics/hatch.h"

#include <QCoreApplication>

namespace editing {

QString hatchStyleName(int style)
{
    static constexpr const char *names[graphics::hatchStyleCount] = {
        QT_TRANSLATE_NOOP("editing", "Orizzontale"),
        QT_TRANSLATE_NOOP("editing", "Verticale"),
        QT_TRANSLATE_NOOP("editing", "Diagonale in avanti"),
        QT_TRANSLATE_NOOP("editing", "Diagonale all'indietro"),
        QT_TRANSLATE_NOOP("editing", "Croce"),
        QT_TRANSLATE_NOOP("editing", "Croce diagonale"),
        QT_TRANSLATE_NOOP("editing", "5 per cento"),
        QT_TRANSLATE_NOOP("editing", "10 per cento"),
        QT_TRANSLATE_NOOP("editing", "20 per cento"),
        QT_TRANSLATE_NOOP("editing", "25 per cento"),
        QT_TRANSLATE_NOOP("editing", "30 per cento"),
        QT_TRANSLATE_NOOP("editing", "40 per cento"),
        QT_TRANSLATE_NOOP("editing", "50 per cento"),
        QT_TRANSLATE_NOOP("editing", "60 per cento"),
        QT_TRANSLATE_NOOP("editing", "70 per cento"),
        QT_TRANSLATE_NOOP("editing", "75 per cento"),
        QT_TRANSLATE_NOOP("editing", "80 per cento"),
        QT_TRANSLATE_NOOP("editing", "90 per cento"),
        QT_TRANSLATE_NOOP("editing", "Diagonale chiara verso il basso"),
        QT_TRANSLATE_NOOP("editing", "Diagonale chiara verso l'alto"),
        QT_TRANSLATE_NOOP("editing", "Diagonale scura verso il basso"),
        QT_TRANSLATE_NOOP("editing", "Diagonale scura verso l'alto"),
        QT_TRANSLATE_NOOP("editing", "Diagonale larga verso il basso"),
        QT_TRANSLATE_NOOP("editing", "Diagonale larga verso l'alto"),
        QT_TRANSLATE_NOOP("editing", "Verticale chiara"),
        QT_TRANSLATE_NOOP("editing", "Orizzontale chiara"),
        QT_TRANSLATE_NOOP("editing", "Verticale stretta"),
        QT_TRANSLATE_NOOP("editing", "Orizzontale stretta"),
        QT_TRANSLATE_NOOP("editing", "Verticale scura"),
        QT_TRANSLATE_NOOP("editing", "Orizzontale scura"),
        QT_TRANSLATE_NOOP("editing", "Diagonale tratteggiata verso il basso"),
        QT_TRANSLATE_NOOP("editing", "Diagonale tratteggiata verso l'alto"),
        QT_TRANSLATE_NOOP("editing", "Orizzontale tratteggiata"),
        QT_TRANSLATE_NOOP("editing", "Verticale tratteggiata"),
        QT_TRANSLATE_NOOP("editing", "Coriandoli piccoli"),
        QT_TRANSLATE_NOOP("editing", "Coriandoli grandi"),
        QT_TRANSLATE_NOOP("editing", "Zigzag"),
        QT_TRANSLATE_NOOP("editing", "Onde"),
        QT_TRANSLATE_NOOP("editing", "Mattoni in diagonale"),
        QT_TRANSLATE_NOOP("editing", "Mattoni orizzontali"),
        QT_TRANSLATE_NOOP("editing", "Intreccio"),
        QT_TRANSLATE_NOOP("editing", "Scozzese"),
        QT_TRANSLATE_NOOP("editing", "Zolle"),
        QT_TRANSLATE_NOOP("editing", "Griglia punteggiata"),
        QT_TRANSLATE_NOOP("editing", "Rombi punteggiati"),
        QT_TRANSLATE_NOOP("editing", "Tegole"),
        QT_TRANSLATE_NOOP("editing", "Graticcio"),
        QT_TRANSLATE_NOOP("editing", "Sfere"),
        QT_TRANSLATE_NOOP("editing", "Griglia piccola"),
        QT_TRANSLATE_NOOP("editing", "Scacchiera piccola"),
        QT_TRANSLATE_NOOP("editing", "Scacchiera grande"),
        QT_TRANSLATE_NOOP("editing", "Rombi vuoti"),
        QT_TRANSLATE_NOOP("editing", "Rombi pieni"),
    };
    if (!graphics::isValidHatchStyle(style))
        return {};
    return QCoreApplication::translate("editing", names[style]);
}

} // namespace editing
