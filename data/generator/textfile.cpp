#include "textfile.h"

#include "platform/codepage.h"

#include <QStringList>

namespace datagen {

bool toWindowsText(const QByteArray &utf8, QByteArray *out, QString *error)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(u'\n');
    out->clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QByteArray bytes = platform::codepage::encode(line);
        if (platform::codepage::decode(bytes) != line) {
            if (error)
                *error = QStringLiteral("riga %1: carattere non rappresentabile in Windows-1252")
                             .arg(i + 1);
            return false;
        }
        out->append(bytes);
        // The last piece follows the final line end: no terminator after it.
        if (i + 1 < lines.size())
            out->append("\r\n");
    }
    return true;
}

} // namespace datagen
