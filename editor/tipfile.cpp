#include "editor/tipfile.h"

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace {
const QString section = QStringLiteral("Tip");
}

TipFile::TipFile(platform::Registry &reg) : m_reg(reg)
{
}

QString TipFile::statusText(Status status)
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return QStringLiteral(
            "I file contenente i suggerimenti non esiste nella cartella dell'applicazione!");
    case Status::Damaged:
        return QStringLiteral(
            "C'è stato un errore durante la lettura del file dei suggerimenti, il file potrebbe "
            "essere rovinato: reinstallare una copia valida del file dal supporto orginale.");
    case Status::NoTips:
        return QStringLiteral("Il file dei suggerimenti non contiene nessun suggerimento.");
    }
    return {};
}

TipFile::Status TipFile::open(const QString &path)
{
    m_file.close();
    m_tip.clear();
    qint64 position = m_reg.readInt(section, QStringLiteral("FilePos"), 0);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_tip = statusText(Status::Missing);
        return Status::Missing;
    }
    const QString stamp = platform::fileTimeText(path);
    if (stamp != m_reg.readString(section, QStringLiteral("TimeStamp"))) {
        m_reg.writeString(section, QStringLiteral("TimeStamp"), stamp);
        position = 0;
    }
    if (position < 0 || position > m_file.size() || !m_file.seek(position)) {
        m_tip = statusText(Status::Damaged);
        return Status::Damaged;
    }
    return next();
}

TipFile::Status TipFile::next()
{
    if (!m_file.isOpen())
        return Status::Missing;
    int wraps = 0;
    for (;;) {
        if (m_file.atEnd()) {
            if (++wraps > maxWrapArounds) {
                m_tip = statusText(Status::NoTips);
                return Status::NoTips;
            }
            if (!m_file.seek(0)) {
                m_tip = statusText(Status::Damaged);
                return Status::Damaged;
            }
            continue;
        }
        QByteArray line = m_file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(' ') || line.startsWith('\t') || line.startsWith(';'))
            continue;
        m_tip = platform::codepage::decode(line.left(maxTipLength));
        return Status::Ok;
    }
}

void TipFile::savePosition()
{
    if (m_file.isOpen())
        m_reg.writeInt(section, QStringLiteral("FilePos"), int(m_file.pos()));
}
