#include "editor/czoomdlg.h"

#include "editor/zoomstate.h"
#include "platform/messagebox.h"

#include <QAbstractSpinBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// An edit box with a spin control that accepts any text: the dialog reads
// it when OK is pressed. The arrows step the percentage in its digits.
class ZoomEntry : public QAbstractSpinBox
{
public:
    explicit ZoomEntry(QWidget *parent) : QAbstractSpinBox(parent)
    {
        setObjectName(QStringLiteral("zoomEntry"));
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        setAccelerated(true);
        setMinimumWidth(110);
    }
    QString text() const { return lineEdit()->text(); }
    void setText(const QString &text) { lineEdit()->setText(text); }

    void stepBy(int steps) override
    {
        QString digits;
        for (const QChar c : text())
            if (c.isDigit() && c.unicode() < 128)
                digits += c;
        int value = digits.isEmpty() ? 100 : qBound(0, digits.left(4).toInt(), 9999);
        value = qBound(10, value + steps, 600);
        setText(QStringLiteral("%1 %").arg(value));
        lineEdit()->selectAll();
    }
    QValidator::State validate(QString &, int &) const override { return QValidator::Acceptable; }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

CZoomDlg::CZoomDlg(float currentScale, QWidget *parent)
    : QDialog(parent), m_entry(new ZoomEntry(this)),
      m_current(static_cast<int>(currentScale * 100.0f)), m_percent(m_current)
{
    setWindowTitle(QStringLiteral("Zoom personalizzato"));
    m_entry->setText(customZoomText(currentScale));
    auto *label = new QLabel(QStringLiteral("&Fattore di zoom (10% - 600%):"), this);
    label->setBuddy(m_entry);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CZoomDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CZoomDlg::reject);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_entry, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_entry->setFocus();
    m_entry->selectAll();
}

QString CZoomDlg::entryText() const
{
    return m_entry->text();
}

void CZoomDlg::setEntryText(const QString &text)
{
    m_entry->setText(text);
}

void CZoomDlg::accept()
{
    const auto percent = parseCustomZoom(m_entry->text(), m_current);
    if (!percent) {
        m_entry->setText(QStringLiteral("100 %"));
        platform::ui::messageBox(
            this, QStringLiteral("Il fattore di zoom deve essere compreso tra 10% e 600%."), {},
            platform::ui::Buttons::Ok, platform::ui::Icon::Warning);
        m_entry->setFocus();
        m_entry->selectAll();
        return;
    }
    m_percent = *percent;
    QDialog::accept();
}
