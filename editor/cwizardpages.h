#pragma once

#include <QString>

class QWizard;
class QWizardPage;
class QWidget;

// The look the editing wizards share: Italian buttons, the header picture
// and a welcome page with its text.
namespace wizardpages {

void setUp(QWizard &wizard);
// A welcome page: title, text, and the hide check box given by the caller.
QWizardPage *welcomePage(QWizard &wizard, const QString &title, const QString &text,
                         QWidget *hideWelcome);

} // namespace wizardpages
