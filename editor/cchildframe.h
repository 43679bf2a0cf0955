#pragma once

#include "toolkit/commandtable.h"

#include <QMdiSubWindow>

class CDomoraView;
class DocumentManager;
class PlanDocument;
class ViewReadouts;

// A document window: one view of a plan. Closing the last window of a plan
// asks whether to save it and closes the plan.
class CChildFrame : public QMdiSubWindow, public toolkit::CommandTarget
{
    Q_OBJECT
public:
    CChildFrame(PlanDocument &plan, DocumentManager &documents, ViewReadouts *readouts,
                QWidget *parent = nullptr);

    [[nodiscard]] CDomoraView *view() const { return m_view; }
    [[nodiscard]] PlanDocument &plan() const { return m_plan; }
    // Closes without asking: the plan is closing anyway.
    void closeForDocument();

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    [[nodiscard]] int windowsOfPlan() const;
    void refreshTitle();

    PlanDocument &m_plan;
    DocumentManager &m_documents;
    CDomoraView *m_view;
    bool m_closingForDocument = false;
};
