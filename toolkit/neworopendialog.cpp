#include "neworopendialog.h"

#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace toolkit {

namespace {

constexpr int pathRole = Qt::UserRole + 1;

} // namespace

NewOrOpenDialog::NewOrOpenDialog(const QString &title, const QStringList &nameFilters,
                                 QWidget *parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)), m_newList(new QListWidget(this)),
      m_files(new QFileDialog(this)), m_recentList(new QListWidget(this))
{
    setWindowTitle(title);
    m_newList->setObjectName(QStringLiteral("newItems"));
    m_newList->setViewMode(QListView::IconMode);
    m_newList->setIconSize(QSize(32, 32));
    m_newList->setGridSize(QSize(104, 72));
    m_newList->setMovement(QListView::Static);
    m_newList->setResizeMode(QListView::Adjust);
    m_newList->setWordWrap(true);

    // The file browser lives inside the page; the dialog's own buttons
    // confirm it.
    m_files->setWindowFlags(Qt::Widget);
    m_files->setOption(QFileDialog::DontUseNativeDialog, true);
    m_files->setFileMode(QFileDialog::ExistingFile);
    m_files->setAcceptMode(QFileDialog::AcceptOpen);
    if (!nameFilters.isEmpty())
        m_files->setNameFilters(nameFilters + QStringList{tr("All files (*)")});
    m_files->setSizeGripEnabled(false);
    if (auto *innerButtons = m_files->findChild<QDialogButtonBox *>())
        innerButtons->hide();

    m_recentList->setObjectName(QStringLiteral("recentItems"));
    m_recentList->setIconSize(QSize(16, 16));

    m_tabs->addTab(m_newList, tr("New"));
    m_tabs->addTab(m_files, tr("Existing"));
    m_tabs->addTab(m_recentList, tr("Recent"));

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    resize(640, 440);

    connect(buttons, &QDialogButtonBox::accepted, this, &NewOrOpenDialog::acceptCurrent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_newList, &QListWidget::itemDoubleClicked, this, &NewOrOpenDialog::acceptCurrent);
    connect(m_recentList, &QListWidget::itemDoubleClicked, this, &NewOrOpenDialog::acceptCurrent);
    connect(m_files, &QFileDialog::fileSelected, this, [this](const QString &file) {
        m_choice = Choice::Open;
        m_path = file;
        m_newIndex = -1;
        QDialog::accept();
    });
    connect(m_tabs, &QTabWidget::currentChanged, this, &NewOrOpenDialog::updateOk);
    connect(m_newList, &QListWidget::currentRowChanged, this, &NewOrOpenDialog::updateOk);
    connect(m_recentList, &QListWidget::currentRowChanged, this, &NewOrOpenDialog::updateOk);
    updateOk();
}

void NewOrOpenDialog::setImageList(const QList<QIcon> &images)
{
    m_images = images;
}

int NewOrOpenDialog::addNewItem(const QString &text, int imageIndex)
{
    auto *item = new QListWidgetItem(m_images.value(imageIndex), text, m_newList);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (m_newList->count() == 1)
        m_newList->setCurrentRow(0);
    return m_newList->count() - 1;
}

void NewOrOpenDialog::setRecentFiles(const QStringList &paths)
{
    m_recentList->clear();
    const QFileIconProvider icons;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isFile())
            continue;
        auto *item = new QListWidgetItem(
            icons.icon(info),
            QStringLiteral("%1  (%2)")
                .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())),
            m_recentList);
        item->setData(pathRole, info.absoluteFilePath());
        item->setToolTip(QDir::toNativeSeparators(info.absoluteFilePath()));
    }
    if (m_recentList->count() > 0)
        m_recentList->setCurrentRow(0);
    updateOk();
}

void NewOrOpenDialog::setOpenFolder(const QString &folder)
{
    m_files->setDirectory(folder);
}

void NewOrOpenDialog::setCurrentPage(Page page)
{
    m_tabs->setCurrentIndex(page == Page::New ? 0 : page == Page::Open ? 1 : 2);
}

int NewOrOpenDialog::run()
{
    return platform::ui::execDialog(*this);
}

void NewOrOpenDialog::updateOk()
{
    switch (m_tabs->currentIndex()) {
    case 0:
        m_ok->setEnabled(m_newList->currentRow() >= 0);
        break;
    case 2:
        m_ok->setEnabled(m_recentList->currentRow() >= 0);
        break;
    default:
        m_ok->setEnabled(true);
        break;
    }
}

void NewOrOpenDialog::acceptCurrent()
{
    switch (m_tabs->currentIndex()) {
    case 0:
        if (m_newList->currentRow() < 0)
            return;
        m_choice = Choice::New;
        m_newIndex = m_newList->currentRow();
        m_path.clear();
        QDialog::accept();
        return;
    case 2:
        if (!m_recentList->currentItem())
            return;
        m_choice = Choice::Recent;
        m_path = m_recentList->currentItem()->data(pathRole).toString();
        m_newIndex = -1;
        QDialog::accept();
        return;
    default:
        // The browser checks the name typed or chosen and reports it through
        // fileSelected, which ends the dialog.
        QMetaObject::invokeMethod(m_files, "accept");
        return;
    }
}

} // namespace toolkit
