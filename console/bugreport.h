#pragma once

#include <QString>

// What the bug-report wizard collects, and the report text built from it.
struct BugReport
{
    bool omitSystemInfo = false; // the page-2 box "do not send anything about my computer"
    QString systemInfo;
    QString activity;
    QString action;
    QString errorMessages;
    QString repeatability;
    QString expected;
    QString actual;
    QString comments;

    // The plain-text report: the computer section only when not omitted,
    // then the activity, the error and its effects, every heading present
    // even when its values are empty.
    [[nodiscard]] QString text() const;

    static constexpr const char *subject = "DOMORA: rapporto sugli errori";
};
