#include "windowsdialog.h"

#include "commandids.h"
#include "mdiframe.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int subWindowRole = Qt::UserRole + 1;

QString titleOf(const QMdiSubWindow *window)
{
    QString title = window->windowTitle();
    title.replace(QLatin1String("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace

WindowsDialog::WindowsDialog(MdiFrame &frame)
    : QDialog(&frame), m_frame(frame), m_list(new QListWidget(this)),
      m_activate(new QPushButton(tr("&Activate"), this)),
      m_save(new QPushButton(tr("&Save"), this)),
      m_closeWindows(new QPushButton(tr("&Close Window(s)"), this)),
      m_minimize(new QPushButton(tr("&Minimize"), this)),
      m_cascade(new QPushButton(tr("Casca&de"), this)),
      m_tileHorz(new QPushButton(tr("Tile &Horizontally"), this)),
      m_tileVert(new QPushButton(tr("Tile &Vertically"), this))
{
    setWindowTitle(tr("Windows"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(280, 220);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_activate);
    buttons->addWidget(ok);
    buttons->addWidget(m_save);
    buttons->addWidget(m_closeWindows);
    buttons->addSpacing(8);
    buttons->addWidget(m_cascade);
    buttons->addWidget(m_tileHorz);
    buttons->addWidget(m_tileVert);
    buttons->addWidget(m_minimize);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(m_list);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &WindowsDialog::updateButtons);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        activateSelected();
        accept();
    });
    connect(m_activate, &QPushButton::clicked, this, [this] {
        activateSelected();
        accept();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (selectedWindows().size() == 1)
            activateSelected();
        accept();
    });
    connect(m_save, &QPushButton::clicked, this, &WindowsDialog::saveSelected);
    connect(m_closeWindows, &QPushButton::clicked, this, &WindowsDialog::closeSelected);
    connect(m_minimize, &QPushButton::clicked, this, &WindowsDialog::minimizeSelected);
    connect(m_cascade, &QPushButton::clicked, this, [this] {
        m_frame.mdiArea()->cascadeSubWindows();
        accept();
    });
    const auto tile = [this] {
        m_frame.mdiArea()->tileSubWindows();
        accept();
    };
    connect(m_tileHorz, &QPushButton::clicked, this, tile);
    connect(m_tileVert, &QPushButton::clicked, this, tile);
    fillList();
}

int WindowsDialog::run()
{
    return platform::ui::execDialog(*this);
}

void WindowsDialog::fillList()
{
    QMdiArea *area = m_frame.mdiArea();
    QMdiSubWindow *current = area->currentSubWindow();
    m_list->clear();
    for (QMdiSubWindow *window : area->subWindowList()) {
        auto *item = new QListWidgetItem(window->windowIcon(), titleOf(window), m_list);
        item->setData(subWindowRole, QVariant::fromValue(static_cast<QObject *>(window)));
        if (window == current) {
            item->setSelected(true);
            m_list->setCurrentItem(item);
        }
    }
    updateButtons();
}

QList<QMdiSubWindow *> WindowsDialog::selectedWindows() const
{
    QList<QMdiSubWindow *> windows;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        if (!item->isSelected())
            continue;
        if (auto *window =
                qobject_cast<QMdiSubWindow *>(item->data(subWindowRole).value<QObject *>()))
            windows.append(window);
    }
    return windows;
}

void WindowsDialog::updateButtons()
{
    const qsizetype selected = selectedWindows().size();
    const bool tabs = m_frame.mdiTabsEnabled();
    const bool any = m_list->count() > 0;
    m_activate->setEnabled(selected == 1);
    m_save->setEnabled(selected > 0 && m_frame.commands().contains(cmd::FileSave));
    m_closeWindows->setEnabled(selected > 0);
    m_minimize->setEnabled(selected > 0 && !tabs);
    m_cascade->setEnabled(any && !tabs);
    m_tileHorz->setEnabled(any && !tabs);
    m_tileVert->setEnabled(any && !tabs);
}

void WindowsDialog::activateSelected()
{
    const QList<QMdiSubWindow *> windows = selectedWindows();
    if (windows.size() == 1) {
        windows.first()->showNormal();
        m_frame.mdiArea()->setActiveSubWindow(windows.first());
    }
}

void WindowsDialog::saveSelected()
{
    for (QMdiSubWindow *window : selectedWindows()) {
        m_frame.mdiArea()->setActiveSubWindow(window);
        m_frame.routeCommand(cmd::FileSave);
    }
    fillList();
}

void WindowsDialog::closeSelected()
{
    // A window may refuse to close (its document asks to be saved first);
    // closing one may take others with it.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow *window : selectedWindows())
        windows.append(window);
    for (const QPointer<QMdiSubWindow> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    fillList();
}

void WindowsDialog::minimizeSelected()
{
    for (QMdiSubWindow *window : selectedWindows())
        window->showMinimized();
    fillList();
}

} // namespace toolkit
