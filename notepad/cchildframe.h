#pragma once

#include <QMdiSubWindow>

class CJotterView;

// A document window: one view of a document, shown as a tab of the main
// window. Closing the last window of a document asks whether to save it.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit CChildFrame(CJotterView *view, QWidget *parent = nullptr);

    [[nodiscard]] CJotterView *view() const { return m_view; }
    // Closes without asking: the document is closing as a whole.
    void closeForDocument();
    // The caption: the document's title, with ":n" when it has several windows.
    void refreshTitle();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CJotterView *m_view;
    bool m_closingForDocument = false;
};
