#include "cbackupdialog.h"

#include "filedialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const QString &text, const char *id, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(id));
    box->setChecked(checked);
    return box;
}

} // namespace

CBackupDialog::CBackupDialog(const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_destination(new QLineEdit(this)), m_program(new QLineEdit(this)),
      m_overwrite(checkBox(tr("&Sovrascrivi i file esistenti"), "1020", true, this)),
      m_shared(checkBox(tr("Librerie e file &condivisi"), "1016", true, this)),
      m_libs(checkBox(tr("&DLL e programmi eseguibili"), "1015", true, this)),
      m_resources(checkBox(tr("&Risorse e guida in linea"), "1017", true, this)),
      m_styles(checkBox(tr("Stili predefiniti e gallerie di &formati"), "1018", true, this))
{
    setWindowTitle(tr("Crea copia di riserva"));
    setObjectName(QStringLiteral("142"));
    m_destination->setObjectName(QStringLiteral("1019"));
    m_program->setObjectName(QStringLiteral("1022"));
    m_program->setText(programFolder);

    auto *browseDestination = new QPushButton(tr("..."), this);
    browseDestination->setObjectName(QStringLiteral("1012"));
    auto *browseProgram = new QPushButton(tr("..."), this);
    browseProgram->setObjectName(QStringLiteral("1013"));
    for (QPushButton *b : {browseDestination, browseProgram})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    connect(browseDestination, &QPushButton::clicked, this, [this] {
        const QString folder = filedialogs::chooseFolder(
            this,
            tr("Seleziona la cartella di destinazione delle copie di riserva "
               "dell'applicazione:"),
            m_destination->text());
        if (!folder.isEmpty())
            m_destination->setText(folder);
    });
    connect(browseProgram, &QPushButton::clicked, this, [this] {
        const QString folder = filedialogs::chooseFolder(
            this, tr("Seleziona la cartella d'origine dell'applicazione:"), m_program->text());
        if (!folder.isEmpty())
            m_program->setText(folder);
    });

    auto *folders = new QGridLayout;
    auto *destinationLabel = new QLabel(tr("Cartella di desti&nazione:"), this);
    destinationLabel->setBuddy(m_destination);
    auto *programLabel = new QLabel(tr("Cartella del &programma:"), this);
    programLabel->setBuddy(m_program);
    folders->addWidget(destinationLabel, 0, 0, 1, 2);
    folders->addWidget(m_destination, 1, 0);
    folders->addWidget(browseDestination, 1, 1);
    folders->addWidget(programLabel, 2, 0, 1, 2);
    folders->addWidget(m_program, 3, 0);
    folders->addWidget(browseProgram, 3, 1);

    auto *contents = new QGroupBox(tr("Elementi da includere nella copia"), this);
    auto *contentsLayout = new QVBoxLayout(contents);
    for (QCheckBox *box : {m_shared, m_libs, m_resources, m_styles})
        contentsLayout->addWidget(box);

    // Compression is offered by the layout but not available.
    auto *compress =
        checkBox(tr("Co&mprimi i file per risparmiare spazio su disco"), "1021", false, this);
    compress->setEnabled(false);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *copy = buttons->addButton(tr("Copia"), QDialogButtonBox::AcceptRole);
    copy->setObjectName(QStringLiteral("1"));
    copy->setDefault(true);
    QPushButton *close = buttons->addButton(tr("C&hiudi"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folders);
    layout->addWidget(m_overwrite);
    layout->addWidget(contents);
    layout->addWidget(compress);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    setTabOrder(m_destination, browseDestination);
    setTabOrder(browseDestination, m_program);
    setTabOrder(m_program, browseProgram);
    setTabOrder(browseProgram, m_overwrite);
}

QString CBackupDialog::destinationFolder() const
{
    return m_destination->text();
}

QString CBackupDialog::programFolder() const
{
    return m_program->text();
}

bool CBackupDialog::overwrite() const
{
    return m_overwrite->isChecked();
}

QList<console::FileGroup> CBackupDialog::groups() const
{
    QList<console::FileGroup> out;
    if (m_shared->isChecked())
        out.append(console::FileGroup::Shared);
    if (m_libs->isChecked())
        out.append(console::FileGroup::Libs);
    if (m_resources->isChecked())
        out.append(console::FileGroup::Resources);
    if (m_styles->isChecked())
        out.append(console::FileGroup::Styles);
    return out;
}
