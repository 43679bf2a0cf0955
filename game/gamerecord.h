#pragma once

#include <QByteArray>
#include <QString>

namespace game {

// The best score and the chosen difficulty, kept between games in
// "Rubblefall.dat" beside the program as "difficulty;score", scrambled.
struct GameRecord
{
    int difficulty = 1; // Intermedio
    int hiScore = 0;
    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};

// With L the length of the text, the low 8 bits b of every character become
// (L - 1) XOR (255 - b); the high 8 bits stay. Applied twice it gives the
// text back.
[[nodiscard]] QString scrambleText(const QString &text);

// The file's bytes to a record; anything that is not a difficulty 0-2 and a
// best score of 0 or more gives the defaults.
[[nodiscard]] GameRecord parseRecord(const QByteArray &bytes);
[[nodiscard]] QByteArray recordBytes(const GameRecord &record);

// "Rubblefall.dat" in the program folder.
[[nodiscard]] QString recordPath();
// A missing or unreadable file gives the defaults.
[[nodiscard]] GameRecord loadRecord(const QString &path);
// Replaces the file; false when it could not be written (the old file stays).
bool saveRecord(const QString &path, const GameRecord &record);

} // namespace game
