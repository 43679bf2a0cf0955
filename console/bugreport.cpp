#include "bugreport.h"

QString BugReport::text() const
{
    QString out;
    if (!omitSystemInfo)
        out += QStringLiteral("----- INFORMAZIONI SUL PC\n") + systemInfo;
    out += QStringLiteral("\n----- ATTIVITA' IN CORSO\n") + activity;
    out += QStringLiteral("\n----- ERRORE\n\tazione in corso: ") + action +
           QStringLiteral("\n\tmessaggi d'errore: ") + errorMessages +
           QStringLiteral("\n\tsituazione: ") + repeatability;
    out += QStringLiteral("\n----- EFFETTI DELL'ERRORE\n\tdoveva fare: ") + expected +
           QStringLiteral("\n\tha fatto: ") + actual + QStringLiteral("\n\tcommenti: ") + comments;
    return out;
}
