#pragma once

#include <QDialog>

class QTabWidget;

// A property sheet: pages on tabs, "OK" and "Annulla" below. Leaving a
// "Sfondo" page (for another tab) runs its leaving rule.
class CPropertySheet : public QDialog
{
    Q_OBJECT
public:
    explicit CPropertySheet(const QString &caption, QWidget *parent = nullptr);

    void addPage(QWidget *page, const QString &title);
    [[nodiscard]] QTabWidget *tabs() const { return m_tabs; }
    // Shows the page with the title; false when there is none.
    bool showPage(const QString &title);

private:
    QTabWidget *m_tabs;
    int m_current = 0;
};
