#pragma once

#include "bugreport.h"
#include "systeminfo.h"

#include <QWizard>
#include <QWizardPage>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

// Page 1: the welcome page, without a header.
class CBugReportPage1 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage1(QWidget *parent = nullptr);
};

// Page 2: the facts about the computer and the box that leaves them out.
class CBugReportPage2 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage2(QWidget *parent = nullptr);
    void setSystemInfo(const SystemInfo &info);
    [[nodiscard]] QString systemInfoText() const;
    [[nodiscard]] bool omitSystemInfo() const;

protected:
    void initializePage() override;

private:
    QPlainTextEdit *m_info;
    QCheckBox *m_omit;
    QString m_text; // with CR LF line ends, as it goes into the report
    bool m_filled = false;
};

// Page 3: what the user was doing.
class CBugReportPage3 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage3(QWidget *parent = nullptr);
    QPlainTextEdit *activity;
};

// Page 4: the error itself.
class CBugReportPage4 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage4(QWidget *parent = nullptr);
    QPlainTextEdit *action;
    QPlainTextEdit *errorMessages;
    QPlainTextEdit *repeatability;
};

// Page 5: what should have happened and what did.
class CBugReportPage5 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage5(QWidget *parent = nullptr);
    QPlainTextEdit *expected;
    QPlainTextEdit *actual;
    QPlainTextEdit *comments;
};

// Page 6: the summary and the privacy note.
class CBugReportPage6 : public QWizardPage
{
    Q_OBJECT
public:
    explicit CBugReportPage6(QWidget *parent = nullptr);

protected:
    void initializePage() override;

private:
    QLabel *m_privacy;
};

// "Rapporto sugli errori": six pages that collect a description of a program
// error, optionally with facts about the computer.
class CBugReportWizard : public QWizard
{
    Q_OBJECT

public:
    explicit CBugReportWizard(QWidget *parent = nullptr);

    [[nodiscard]] BugReport report() const;
    [[nodiscard]] CBugReportPage2 *configurationPage() const { return m_page2; }
    [[nodiscard]] CBugReportPage3 *activityPage() const { return m_page3; }
    [[nodiscard]] CBugReportPage4 *errorPage() const { return m_page4; }
    [[nodiscard]] CBugReportPage5 *behaviourPage() const { return m_page5; }

private:
    CBugReportPage2 *m_page2;
    CBugReportPage3 *m_page3;
    CBugReportPage4 *m_page4;
    CBugReportPage5 *m_page5;
};

// Runs the wizard and hands the report to the mail program; cancelling
// sends nothing.
void SendBugReport(QWidget *parent);
