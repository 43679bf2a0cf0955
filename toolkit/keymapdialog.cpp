#include "keymapdialog.h"

#include "commandcategories.h"
#include "commandtable.h"
#include "keyboardmanager.h"
#include "mdiframe.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace toolkit {

KeyMapDialog::KeyMapDialog(MdiFrame &frame)
    : QDialog(&frame), m_frame(frame), m_categories(new QComboBox(this)),
      m_table(new QTableWidget(0, 3, this))
{
    setWindowTitle(tr("Keyboard Map"));
    m_table->setHorizontalHeaderLabels({tr("Command"), tr("Keys"), tr("Description")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);

    for (const CommandCategory &category : commandCategories(frame, true))
        m_categories->addItem(category.name, QVariant::fromValue(category.ids));

    auto *copy = new QPushButton(tr("&Copy"), this);
    auto *print = new QPushButton(tr("&Print..."), this);
    auto *close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    auto *top = new QHBoxLayout;
    auto *categoryLabel = new QLabel(tr("C&ategory:"), this);
    categoryLabel->setBuddy(m_categories);
    top->addWidget(categoryLabel);
    top->addWidget(m_categories, 1);
    top->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(680, 460);

    connect(m_categories, &QComboBox::currentIndexChanged, this, &KeyMapDialog::fillTable);
    connect(copy, &QPushButton::clicked, this, &KeyMapDialog::copyToClipboard);
    connect(print, &QPushButton::clicked, this, &KeyMapDialog::printWithDialog);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fillTable();
}

int KeyMapDialog::run()
{
    return platform::ui::execDialog(*this);
}

void KeyMapDialog::fillTable()
{
    const CommandTable &commands = m_frame.commands();
    const QList<int> ids = m_categories->currentData().value<QList<int>>();
    m_table->setSortingEnabled(false);
    m_table->setRowCount(int(ids.size()));
    for (qsizetype row = 0; row < ids.size(); ++row) {
        const int id = ids[row];
        auto *name = new QTableWidgetItem(commands.action(id)->icon(), commands.plainText(id));
        m_table->setItem(int(row), 0, name);
        m_table->setItem(int(row), 1,
                         new QTableWidgetItem(KeyboardManager::keysText(commands, id)));
        m_table->setItem(int(row), 2, new QTableWidgetItem(commands.description(id)));
    }
    m_table->setSortingEnabled(true);
    if (m_table->horizontalHeader()->sortIndicatorSection() > 2)
        m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->resizeColumnToContents(0);
    m_table->resizeColumnToContents(1);
}

QString KeyMapDialog::keyMapText() const
{
    QStringList lines{
        QStringLiteral("%1\t%2\t%3").arg(tr("Command"), tr("Keys"), tr("Description"))};
    for (int row = 0; row < m_table->rowCount(); ++row) {
        lines.append(QStringLiteral("%1\t%2\t%3")
                         .arg(m_table->item(row, 0)->text(), m_table->item(row, 1)->text(),
                              m_table->item(row, 2)->text()));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void KeyMapDialog::copyToClipboard() const
{
    QApplication::clipboard()->setText(keyMapText());
}

bool KeyMapDialog::print(QPrinter &printer) const
{
    QString html =
        QStringLiteral("<h3>%1 - %2</h3><table border=\"1\" cellspacing=\"0\" "
                       "cellpadding=\"3\" width=\"100%\"><tr><th>%3</th><th>%4</th>"
                       "<th>%5</th></tr>")
            .arg(m_frame.windowTitle().toHtmlEscaped(), m_categories->currentText().toHtmlEscaped(),
                 tr("Command"), tr("Keys"), tr("Description"));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(m_table->item(row, 0)->text().toHtmlEscaped(),
                         m_table->item(row, 1)->text().toHtmlEscaped(),
                         m_table->item(row, 2)->text().toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void KeyMapDialog::printWithDialog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    if (!print(printer))
        platform::ui::error(this, tr("The keyboard map could not be printed."));
}

} // namespace toolkit
