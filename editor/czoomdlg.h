#pragma once

#include <QDialog>

class QAbstractSpinBox;
class ZoomEntry;

// The custom zoom dialog: a percentage with a spin control. "+n" and "-n"
// change the current percentage; an entry outside 10 % .. 600 % is refused
// and the dialog stays open showing 100 %.
class CZoomDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CZoomDlg(float currentScale, QWidget *parent = nullptr);

    // The accepted percentage (10 .. 600).
    [[nodiscard]] int percent() const { return m_percent; }
    [[nodiscard]] QString entryText() const;
    void setEntryText(const QString &text);

    void accept() override;

private:
    ZoomEntry *m_entry;
    int m_current;
    int m_percent;
};
