#pragma once

#include "model/safesave.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace model {

// The standard summary properties of a document, stored in the compound
// file's stream summaryStreamName as a property set. The property number of
// each field is in brackets. Texts are stored as 8-bit strings in code page
// 1252 (a character outside it becomes '?'), times as FILETIME, counts as
// 32-bit integers.
struct SummaryInformation
{
    QString title;            // (2)
    QString subject;          // (3)
    QString author;           // (4)
    QString keywords;         // (5)
    QString comments;         // (6)
    QString templateName;     // (7)
    QString lastAuthor;       // (8)
    QString revisionNumber;   // (9) a text, as the property set wants
    qint64 editingTimeMs = 0; // (10) total editing time
    QDateTime lastPrinted;    // (11) UTC; invalid when never
    QDateTime created;        // (12) UTC; invalid when unknown
    QDateTime lastSaved;      // (13) UTC; invalid when never
    qint32 pageCount = 0;     // (14)
    qint32 wordCount = 0;     // (15)
    qint32 charCount = 0;     // (16)
    QString applicationName;  // (18)
    qint32 extraCount = 0;    // (0x80000002) shown among the statistics

    bool operator==(const SummaryInformation &) const = default;
};

// "\005SummaryInformation"
[[nodiscard]] QString summaryStreamName();

// The property set stream: one section of the summary format, the code page
// property (1252) first, then every text and count and every valid time;
// extraCount only when it is not 0. Times are kept to the millisecond.
[[nodiscard]] QByteArray writeSummaryInformation(const SummaryInformation &info);

// Reads the stream written above or by another program. Properties missing,
// unknown or of an unexpected type are left at their defaults; texts in
// UTF-16 or, with code page 65001, in UTF-8 are understood too. A stream that
// is not a summary property set, or whose offsets and sizes run past its
// end, gives false and a FileError with cause InvalidFile or EndOfFile.
[[nodiscard]] bool readSummaryInformation(const QByteArray &bytes, SummaryInformation &info,
                                          FileError *error = nullptr);

} // namespace model
