#include "editor/clibraryimagedlg.h"

#include "editor/tools/libraryfolder.h"
#include "platform/messagebox.h"
#include "platform/process.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int gridStep = 106; // thumbnails lie at x = 6 + 106 * index

QString importFilter()
{
    return QObject::tr(
        "Tutti i file grafici (*.bmp *.dib *.rle *.emf *.wmf *.png *.jpeg *.jpg *.gif *.tiff "
        "*.tif);;Bitmap di Windows e OS/2 (*.bmp *.dib *.rle);;Windows Enhanced Meta File e "
        "EMF+(*.emf) (*.emf);;Windows Meta File e Aldus Placeable Metafile (*.wmf) "
        "(*.wmf);;Compatibile JPEG (*.jpg *.jpeg);;Portable Network Graphics (*.png);;"
        "CompuServe Graphics Interchange (*.gif);;Tagged Image File Format (*.tif *.tiff)");
}

// A 100 x 75 picture of the file, the picture kept in proportion on white;
// an empty white one when the file cannot be read.
QImage thumbnail(const QString &path)
{
    QImage canvas(CLibraryImageDlg::thumbnailWidth, CLibraryImageDlg::thumbnailHeight,
                  QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size.scaled(canvas.size(), Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (!picture.isNull()) {
        const QImage scaled =
            picture.size().width() <= canvas.width() && picture.size().height() <= canvas.height()
                ? picture
                : picture.scaled(canvas.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&canvas);
        p.drawImage((canvas.width() - scaled.width()) / 2, (canvas.height() - scaled.height()) / 2,
                    scaled);
    }
    return canvas;
}

// The small pictures of the five command buttons.
QIcon commandIcon(int which)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    switch (which) {
    case 0: // open with the default program: a picture with a pencil
        p.setBrush(QColor(0xDD, 0xEE, 0xFF));
        p.drawRect(QRectF(2.5, 4.5, 12, 11));
        p.setBrush(QColor(0x5A, 0xA0, 0x3C));
        p.drawPolygon(QPolygonF{{3.5, 14.5}, {7.5, 9.0}, {11.5, 14.5}});
        p.setPen(QPen(QColor(0xE0, 0x9A, 0x20), 2.5));
        p.drawLine(QPointF(11, 13), QPointF(18, 6));
        break;
    case 1: // print: a printer
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(0xB0, 0xB0, 0xB0));
        p.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 13.5, 9, 4));
        break;
    case 2: // explore: an open folder
        p.setBrush(QColor(0xF2, 0xC9, 0x4C));
        p.drawPolygon(
            QPolygonF{{2.5, 5.5}, {7.5, 5.5}, {9, 7.5}, {16.5, 7.5}, {16.5, 15.5}, {2.5, 15.5}});
        break;
    case 3: // find: a magnifying glass
        p.setBrush(QColor(0xDD, 0xEE, 0xFF));
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.5));
        p.drawLine(QPointF(11.5, 11.5), QPointF(17, 17));
        break;
    default: // import: an arrow into a page
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 15));
        p.setPen(QPen(QColor(0x1E, 0x6E, 0xC8), 2.2));
        p.drawLine(QPointF(1.5, 10), QPointF(11, 10));
        p.drawLine(QPointF(8, 7), QPointF(11, 10));
        p.drawLine(QPointF(8, 13), QPointF(11, 10));
        break;
    }
    return QIcon(pixmap);
}

QLineEdit *infoField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setStyleSheet(QStringLiteral("background: transparent"));
    return field;
}

} // namespace

CLibraryImageDlg::CLibraryImageDlg(QWidget *parent)
    : QDialog(parent), m_tree(new QTreeWidget(this)), m_list(new QListWidget(this)),
      m_open(new QToolButton(this)), m_print(new QToolButton(this)),
      m_explore(new QToolButton(this)), m_find(new QToolButton(this)),
      m_import(new QToolButton(this)),
      m_manualSize(
          new QRadioButton(tr("&Seleziona manualmente la dimensione dell'immagine"), this)),
      m_sourceSize(
          new QRadioButton(tr("Inserisci l'immagine mantenendo le dimensioni &originali"), this)),
      m_detailsButton(new QPushButton(this)), m_ok(new QPushButton(tr("OK"), this)),
      m_details(new QGroupBox(tr("Informazioni"), this)), m_path(infoField(m_details, "path")),
      m_name(infoField(m_details, "name")), m_width(infoField(m_details, "width")),
      m_height(infoField(m_details, "height")), m_resolution(infoField(m_details, "resolution"))
{
    setWindowTitle(tr("Seleziona immagine"));
    m_tree->setObjectName(QStringLiteral("folders"));
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(170);
    m_list->setObjectName(QStringLiteral("pictures"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(false);
    m_list->setMovement(QListView::Static);
    m_list->setIconSize(QSize(thumbnailWidth, thumbnailHeight));
    m_list->setGridSize(QSize(gridStep, thumbnailHeight + 36));
    m_list->setUniformItemSizes(true);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setMinimumSize(4 * gridStep + 12, thumbnailHeight + 60);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    const struct
    {
        QToolButton *button;
        const char *name;
        const char *tip;
    } commands[] = {
        {m_open, "open", QT_TR_NOOP("Apre il programma predefinito per modificare l'immagine")},
        {m_print, "print", QT_TR_NOOP("Stampa l'immagine selezionata")},
        {m_explore, "explore", QT_TR_NOOP("Esplora la cartella selezionata")},
        {m_find, "find", QT_TR_NOOP("Inizia una ricerca a partire dalla cartella selezionata")},
        {m_import, "import", QT_TR_NOOP("Importa un'immagine da un file qualsiasi")},
    };
    auto *commandRow = new QHBoxLayout;
    int icon = 0;
    for (const auto &c : commands) {
        c.button->setObjectName(QString::fromLatin1(c.name));
        c.button->setIcon(commandIcon(icon++));
        c.button->setIconSize(QSize(20, 20));
        c.button->setToolTip(tr(c.tip));
        c.button->setAutoRaise(true);
        commandRow->addWidget(c.button);
    }
    m_import->setText(tr("I&mporta..."));
    m_import->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commandRow->addStretch(1);

    m_manualSize->setObjectName(QStringLiteral("manualSize"));
    m_sourceSize->setObjectName(QStringLiteral("sourceSize"));
    m_detailsButton->setObjectName(QStringLiteral("details"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    auto *close = new QPushButton(tr("&Chiudi"), this);
    close->setObjectName(QStringLiteral("close"));

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_tree);
    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(m_list, 1);
    rightLayout->addLayout(commandRow);
    rightLayout->addWidget(m_manualSize);
    rightLayout->addWidget(m_sourceSize);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_detailsButton);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(close);

    auto *form = new QFormLayout(m_details);
    form->addRow(tr("Percorso:"), m_path);
    form->addRow(tr("Nome:"), m_name);
    form->addRow(tr("Larghezza [pixel]:"), m_width);
    form->addRow(tr("Altezza [pixel]:"), m_height);
    form->addRow(tr("Risoluzione [DPI]:"), m_resolution);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_details);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { selectFolder(item); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { clickPicture(m_list->row(item)); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            clickPicture(row);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        clickPicture(m_list->row(item));
        accept();
    });
    connect(m_open, &QToolButton::clicked, this, &CLibraryImageDlg::openPicture);
    connect(m_print, &QToolButton::clicked, this, &CLibraryImageDlg::printPicture);
    connect(m_explore, &QToolButton::clicked, this, &CLibraryImageDlg::exploreFolder);
    connect(m_find, &QToolButton::clicked, this, &CLibraryImageDlg::findPictures);
    connect(m_import, &QToolButton::clicked, this, &CLibraryImageDlg::importPicture);
    connect(m_detailsButton, &QPushButton::clicked, this, &CLibraryImageDlg::toggleDetails);
    connect(m_ok, &QPushButton::clicked, this, &CLibraryImageDlg::accept);
    connect(close, &QPushButton::clicked, this, &CLibraryImageDlg::reject);
    m_ok->setEnabled(false);
    resize(700, 440);
}

void CLibraryImageDlg::setCaption(const QString &caption)
{
    m_caption = caption;
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void CLibraryImageDlg::setLibraryFolder(const QString &relativeFolder)
{
    m_relativeFolder = relativeFolder;
}

void CLibraryImageDlg::setAllowSizeChoice(bool allow)
{
    m_allowSizeChoice = allow;
}

void CLibraryImageDlg::setFoldableDetails(bool foldable)
{
    m_foldable = foldable;
}

QTreeWidget *CLibraryImageDlg::tree()
{
    ensureInitialised();
    return m_tree;
}

QListWidget *CLibraryImageDlg::list()
{
    ensureInitialised();
    return m_list;
}

QString CLibraryImageDlg::pathText() const
{
    return m_path->text();
}

QString CLibraryImageDlg::nameText() const
{
    return m_name->text();
}

bool CLibraryImageDlg::okEnabled() const
{
    return m_ok->isEnabled();
}

void CLibraryImageDlg::ensureInitialised()
{
    if (m_initialised)
        return;
    m_initialised = true;
    m_manualSize->setEnabled(m_allowSizeChoice);
    m_sourceSize->setEnabled(m_allowSizeChoice);
    m_sourceSize->setChecked(true);
    if (m_foldable) {
        setDetailsShown(false);
    } else {
        m_detailsButton->setEnabled(false);
        m_detailsButton->setText(tr("<< Nascondi"));
    }
    m_libraryFolder = editing::libraryPath(m_relativeFolder);
    m_tree->clear();
    fillTree(editing::libraryTree(m_libraryFolder), nullptr);
    if (QTreeWidgetItem *root = m_tree->topLevelItem(0)) {
        root->setExpanded(true);
        root->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    }
}

void CLibraryImageDlg::fillTree(const editing::LibraryFolder &folder, QTreeWidgetItem *parent)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, folder.name);
    item->setData(0, pathRole, folder.path);
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    for (const editing::LibraryFolder &child : folder.children)
        fillTree(child, item);
}

QTreeWidgetItem *CLibraryImageDlg::itemForFolder(const QString &folder) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if ((*it)->data(0, pathRole).toString() == folder)
            return *it;
    }
    return nullptr;
}

void CLibraryImageDlg::clearDetails()
{
    m_name->clear();
    m_width->clear();
    m_height->clear();
    m_resolution->clear();
}

void CLibraryImageDlg::selectFolder(QTreeWidgetItem *item)
{
    ensureInitialised();
    if (!item)
        return;
    m_ok->setEnabled(false);
    m_selectedPath.clear();
    m_list->clear();
    m_fileNames.clear();
    clearDetails();
    if (item->childCount() > 0) {
        // A category of categories holds no pictures of its own.
        m_currentFolder.clear();
        m_path->setText(tr("La categoria selezionata non contiene immagini"));
        return;
    }
    m_currentFolder = item->data(0, pathRole).toString();
    m_path->setText(tr("Lettura delle informazioni in corso..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList names = editing::scanPictures(m_currentFolder);
    if (!names.isEmpty())
        m_fileNames = names;
    buildThumbnails();
    m_path->setText(m_currentFolder);
    QApplication::restoreOverrideCursor();
}

void CLibraryImageDlg::buildThumbnails()
{
    if (m_fileNames.isEmpty())
        return;
    m_list->setUpdatesEnabled(false);
    const QSignalBlocker block(m_list);
    for (const QString &name : m_fileNames) {
        const QImage image = thumbnail(m_currentFolder + QLatin1Char('/') + name);
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(image)), name, m_list);
        item->setToolTip(name);
    }
    m_list->setCurrentRow(-1);
    m_list->setUpdatesEnabled(true);
}

void CLibraryImageDlg::clickPicture(int index)
{
    ensureInitialised();
    if (index < 0 || index >= m_fileNames.size())
        return;
    m_selectedPath = m_currentFolder + QLatin1Char('/') + m_fileNames[index];
    m_name->setText(m_fileNames[index]);
    m_ok->setEnabled(true);
    const editing::PictureInfo info = editing::pictureInfo(m_selectedPath);
    m_width->setText(QString::number(info.width));
    m_height->setText(QString::number(info.height));
    m_resolution->setText(editing::resolutionText(info.dpiX) + QStringLiteral(" x ") +
                          editing::resolutionText(info.dpiY));
}

void CLibraryImageDlg::setDetailsShown(bool shown)
{
    m_detailsShown = shown;
    m_details->setVisible(shown);
    m_detailsButton->setText(shown ? tr("<< &Nascondi") : tr("&Dettagli >>"));
    if (isVisible()) {
        layout()->activate();
        resize(width(), shown ? height() + m_details->sizeHint().height()
                              : height() - m_details->sizeHint().height());
    }
}

void CLibraryImageDlg::toggleDetails()
{
    ensureInitialised();
    setDetailsShown(!m_detailsShown);
}

void CLibraryImageDlg::importPicture()
{
    ensureInitialised();
    QFileDialog files(this, tr("Importa immagine"), m_libraryFolder, importFilter());
    files.setFileMode(QFileDialog::ExistingFile);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    files.setDefaultSuffix(QStringLiteral("bmp"));
    if (platform::ui::execDialog(files) != QDialog::Accepted || files.selectedFiles().isEmpty())
        return;
    m_selectedPath = files.selectedFiles().constFirst();
    m_path->setText(tr("Percorso specificato dall'utente"));
    m_name->setText(m_selectedPath);
    const editing::PictureInfo info = editing::pictureInfo(m_selectedPath);
    m_width->setText(QString::number(info.width));
    m_height->setText(QString::number(info.height));
    m_resolution->setText(editing::resolutionText(info.dpiX) + QStringLiteral(" x ") +
                          editing::resolutionText(info.dpiY));
    m_ok->setEnabled(true);
}

void CLibraryImageDlg::openPicture()
{
    if (!m_selectedPath.isEmpty())
        platform::openWithDefaultApp(m_selectedPath);
}

void CLibraryImageDlg::printPicture()
{
    if (m_selectedPath.isEmpty())
        return;
    const QImage picture(m_selectedPath);
    if (picture.isNull()) {
        platform::ui::warning(this,
                              tr("Impossibile leggere l'immagine \"%1\".").arg(m_selectedPath));
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Stampa"));
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    QPainter p(&printer);
    const QRect page = p.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(page.topLeft(), size), picture);
}

void CLibraryImageDlg::exploreFolder()
{
    if (!m_currentFolder.isEmpty())
        platform::openWithDefaultApp(m_currentFolder);
}

void CLibraryImageDlg::findPictures()
{
    const QString from = m_currentFolder;
    if (from.isEmpty())
        return;
    QDialog search(this);
    search.setWindowTitle(tr("Cerca immagini"));
    auto *text = new QLineEdit(&search);
    text->setObjectName(QStringLiteral("searchText"));
    auto *label = new QLabel(tr("&Nome (o parte del nome) dell'immagine:"), &search);
    label->setBuddy(text);
    auto *found = new QListWidget(&search);
    found->setObjectName(QStringLiteral("found"));
    auto *layout = new QVBoxLayout(&search);
    layout->addWidget(label);
    layout->addWidget(text);
    layout->addWidget(found, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &search);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Vai"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &search, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &search, &QDialog::reject);
    connect(found, &QListWidget::itemDoubleClicked, &search, &QDialog::accept);
    const auto refresh = [from, text, found] {
        found->clear();
        const QString wanted = text->text().trimmed();
        if (wanted.isEmpty())
            return;
        QDirIterator it(from, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QStringList folders{from};
        while (it.hasNext())
            folders << it.next();
        for (const QString &folder : folders) {
            for (const QString &name : editing::scanPictures(folder)) {
                if (name.contains(wanted, Qt::CaseInsensitive)) {
                    auto *item = new QListWidgetItem(
                        QDir(from).relativeFilePath(folder + '/' + name), found);
                    item->setData(pathRole, folder + QLatin1Char('/') + name);
                }
            }
        }
        found->setCurrentRow(0);
    };
    connect(text, &QLineEdit::textChanged, &search, refresh);
    search.resize(420, 320);
    if (platform::ui::execDialog(search) != QDialog::Accepted || !found->currentItem())
        return;
    const QFileInfo chosen(found->currentItem()->data(pathRole).toString());
    if (QTreeWidgetItem *item = itemForFolder(chosen.absolutePath())) {
        m_tree->setCurrentItem(item);
        selectFolder(item);
        const int index = static_cast<int>(m_fileNames.indexOf(chosen.fileName()));
        m_list->setCurrentRow(index);
        clickPicture(index);
    }
}

void CLibraryImageDlg::showEvent(QShowEvent *event)
{
    ensureInitialised();
    QDialog::showEvent(event);
}

int CLibraryImageDlg::exec()
{
    ensureInitialised();
    return QDialog::exec();
}

void CLibraryImageDlg::accept()
{
    if (m_selectedPath.isEmpty())
        return;
    m_keepSourceSize = m_sourceSize->isChecked();
    QDialog::accept();
}
