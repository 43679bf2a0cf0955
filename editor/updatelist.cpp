#include "editor/updatelist.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace updatelist {

std::vector<Record> parse(const QString &response, bool *found)
{
    static const QString begin = QStringLiteral("BEGIN_PATCHWELL2(");
    static const QString end = QStringLiteral(")END_PATCHWELL2");
    std::vector<Record> records;
    if (found)
        *found = false;
    const qsizetype start = response.indexOf(begin);
    if (start < 0)
        return records;
    const qsizetype stop = response.indexOf(end, start + begin.size());
    if (stop < 0)
        return records;
    if (found)
        *found = true;
    QString list = response.mid(start + begin.size(), stop - start - begin.size());
    list.remove(QLatin1Char('\r'));
    list.remove(QLatin1Char('\n'));
    list.replace(QLatin1Char('$'), QLatin1Char(' '));
    // n separators give n + 1 records, an empty list one empty record that
    // names no file.
    const QStringList items = list.split(QLatin1Char(';'));
    for (const QString &item : items) {
        const QStringList fields = item.split(QLatin1Char('#'));
        Record record;
        record.url = fields.value(0).trimmed();
        record.name = fields.value(1).trimmed();
        record.dateText = fields.value(2);
        record.date = parseDate(record.dateText);
        record.size = fields.value(3).trimmed().toLongLong();
        records.push_back(record);
    }
    return records;
}

std::optional<QDate> parseDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    const QLocale system = QLocale::system();
    for (const QString &format :
         {system.dateFormat(QLocale::ShortFormat), QStringLiteral("dd/MM/yyyy"),
          QStringLiteral("d/M/yyyy"), QStringLiteral("dd/MM/yy"), QStringLiteral("d/M/yy"),
          QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
          QStringLiteral("dd-MM-yyyy")}) {
        QDate date = QDate::fromString(t, format);
        if (date.isValid()) {
            // Two-digit years are read as 19xx by Qt; a list of updates
            // speaks of this century.
            if (format.count(QLatin1Char('y')) == 2 && date.year() < 2000)
                date = date.addYears(100);
            return date;
        }
    }
    return std::nullopt;
}

bool isSafeRelativeName(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (n.isEmpty() || n.startsWith(QLatin1Char('/')) || n.startsWith(QLatin1Char('~')))
        return false;
    if (n.size() >= 2 && n.at(1) == QLatin1Char(':'))
        return false;
    const QStringList steps = n.split(QLatin1Char('/'));
    for (const QString &step : steps)
        if (step == QLatin1String(".."))
            return false;
    return true;
}

bool installsDirectly(const QString &name)
{
    // "patchwell" is the updater's name on this platform, "patchwell.exe"
    // the name lists written for the original one use.
    return name.compare(QLatin1String("patchwell.exe"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("patchwell"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("PrepareForPatchwell.vbs"), Qt::CaseInsensitive) == 0;
}

std::optional<ServerCommand> serverCommand(const QString &response)
{
    static const QString begin = QStringLiteral("BEGIN_COMMAND(");
    static const QString end = QStringLiteral(")END_COMMAND");
    const qsizetype start = response.indexOf(begin);
    if (start < 0)
        return std::nullopt;
    const qsizetype stop = response.indexOf(end, start + begin.size());
    if (stop < 0)
        return std::nullopt;
    ServerCommand command;
    command.commandLine = response.mid(start + begin.size(), stop - start - begin.size());
    command.commandLine.remove(QLatin1Char('\r'));
    command.commandLine.remove(QLatin1Char('\n'));
    if (response.contains(QLatin1String("WINDOW(MAXIMIZED);BEGIN_COMMAND(")))
        command.show = platform::ShowWindow::Maximized;
    else if (response.contains(QLatin1String("WINDOW(MINIMIZED);BEGIN_COMMAND(")))
        command.show = platform::ShowWindow::Minimized;
    return command;
}

QString progressText(qint64 bytesReceived, qint64 expectedSize, int *percent)
{
    const qint64 expectedKb = expectedSize / 1024;
    const qint64 receivedKb = bytesReceived / 1024;
    if (expectedKb != 0) {
        const int p = int(double(receivedKb) / double(expectedKb) * 100.0);
        if (percent)
            *percent = p;
        return QStringLiteral("%1 di %2 (%3 %)").arg(receivedKb).arg(expectedKb).arg(p);
    }
    if (percent)
        *percent = 0;
    return QStringLiteral("%1 kb scaricati (tempo residuo sconosciuto)").arg(receivedKb);
}

} // namespace updatelist
