#pragma once

#include <QFile>
#include <QString>

namespace platform {
class Registry;
}

// Reads the tips of "tips.txt": one tip per line (at most 1000 characters
// are shown), lines that begin with a blank, a tab or ";" and empty lines are
// skipped. The position of the next tip and the file's time stamp are kept
// in the "Tip" settings, so every start shows the following tip and a new
// file starts again from its first one.
class TipFile
{
public:
    static constexpr int maxTipLength = 1000;
    // A file without a single usable line is walked through at most this many
    // times before the reader gives up.
    static constexpr int maxWrapArounds = 2;

    enum class Status
    {
        Ok,
        Missing, // the file cannot be opened: string 164
        Damaged, // a seek failed: string 166
        NoTips   // nothing but comments and empty lines
    };

    explicit TipFile(platform::Registry &reg);

    // Opens the file, takes the saved position (or 0 when the file's time
    // stamp changed) and reads the first tip.
    Status open(const QString &path);
    // Reads the next tip, going back to the start at the end of the file.
    Status next();
    // Writes the position of the next tip to "FilePos".
    void savePosition();

    [[nodiscard]] const QString &tip() const { return m_tip; }
    [[nodiscard]] qint64 position() const { return m_file.pos(); }

    // The texts the dialog shows for a status.
    static QString statusText(Status status);

private:
    platform::Registry &m_reg;
    QFile m_file;
    QString m_tip;
};
