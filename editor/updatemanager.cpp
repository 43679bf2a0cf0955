#include "editor/updatemanager.h"

#include "editor/cupdateprogressdlg.h"
#include "editor/updatelist.h"
#include "platform/internet.h"
#include "platform/messagebox.h"
#include "platform/waitcursor.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString settings = QStringLiteral("Settings");
const QString stagingFolder = QStringLiteral("Patchwell");
const QString bufferFile = QStringLiteral("buffer.dat");
const QString prepareScript = QStringLiteral("PrepareForPatchwell.vbs");
const QString updaterLauncher = QStringLiteral("patchwell.bat");

QString updaterName()
{
    return platform::executableName(QStringLiteral("patchwell"));
}

bool isSystemFolder(const QString &name)
{
    return name.compare(QLatin1String("@SYSTEM"), Qt::CaseInsensitive) == 0;
}

} // namespace

UpdateManager::UpdateManager(platform::Registry &reg, QWidget *parent)
    : m_reg(reg), m_parent(parent), m_folder(platform::programFolder())
{
}

UpdateManager::~UpdateManager()
{
    delete m_progress;
}

void UpdateManager::setProgramFolder(const QString &folder)
{
    m_folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString UpdateManager::defaultUpdateUrl()
{
    return QStringLiteral("https://aggiornamenti.velmar.it/domora/patchwell.txt");
}

void UpdateManager::deleteHandOffScripts()
{
    if (m_reg.readInt(settings, QStringLiteral("DeletePWBatch"), 1) == 0)
        return;
    QFile::remove(m_folder + updaterLauncher);
    QFile::remove(m_folder + prepareScript);
}

void UpdateManager::createStagingFolders()
{
    QDir folder(m_folder);
    folder.mkdir(stagingFolder);
    folder.mkdir(stagingFolder + QStringLiteral("/Library"));
    folder.mkdir(stagingFolder + QStringLiteral("/@System"));
}

bool UpdateManager::offerPendingUpdates()
{
    if (m_reg.readInt(settings, QStringLiteral("CheckForPWTemporary"), 1) == 0)
        return false;
    if (!HasPendingUpdates(m_folder + stagingFolder))
        return false;
    const auto answer = platform::ui::messageBox(
        m_parent,
        QStringLiteral(
            "Sono stati trovati degli aggiornamenti del Patchwell non ancora installati.\n\n"
            "Premere Sì per aggiornare ora l'applicazione (scelta consigliata).\n"
            "Premere No per riproporre questo avviso al prossimo avvio.\n"
            "Premere Annulla per non verificare più gli aggiornamenti non riusciti (scelta "
            "sconsigliata)."),
        {}, platform::ui::Buttons::YesNoCancel, platform::ui::Icon::Question);
    if (answer == platform::ui::Answer::Yes)
        return LaunchUpdater() == 0;
    if (answer == platform::ui::Answer::Cancel)
        m_reg.writeInt(settings, QStringLiteral("CheckForPWTemporary"), 0);
    return false;
}

bool UpdateManager::HasPendingUpdates(const QString &folder) const
{
    // Links are not counted: the updater never follows them, so they would
    // bring the question back at every start.
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                   QDir::System | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (!isSystemFolder(entry.fileName()) && HasPendingUpdates(entry.filePath()))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

int UpdateManager::LaunchUpdater()
{
    if (QFileInfo::exists(m_folder + prepareScript))
        platform::startProgram(m_folder + prepareScript);
    const QString staged = m_folder + stagingFolder + QLatin1Char('/') + updaterName();
    const QString installed = m_folder + updaterName();
    if (QFileInfo::exists(staged)) {
        QFile::remove(installed);
        if (QFile::copy(staged, installed))
            QFile::remove(staged);
    }
    if (QFileInfo::exists(installed) && platform::startProgram(installed))
        return 0;
    if (QFileInfo::exists(m_folder + updaterLauncher) &&
        platform::startProgram(m_folder + updaterLauncher))
        return 0;
    return 1;
}

int UpdateManager::CheckForUpdates(int /*forced*/)
{
    using namespace platform::ui;
    if (m_reg.readInt(settings, QStringLiteral("Patchwell"), 1) == 0) {
        information(m_parent,
                    QStringLiteral("Il Patchwell è stato disabilitato localmente, si consiglia di "
                                   "verificare periodicamente la disponibilità di aggiornamenti "
                                   "sul sito del produttore."));
        return 1;
    }

    // An installation that runs as a client of a shared server installation
    // says so with AppServerClient; it takes its updates from the share.
    if (m_reg.readInt(settings, QStringLiteral("AppServerClient"), 0) != 0) {
        QString share = m_reg.readString(settings, QStringLiteral("AppServerPath"));
        if (share.isEmpty())
            return 1;
        share = platform::fromDataFileName(share);
        information(m_parent,
                    QStringLiteral(
                        "Il programma aggiornerà la copia locale dell'applicazione con la "
                        "versione installata sul server. L'operazione potrebbe richiedere "
                        "alcuni minuti ed è necessario non utilizzare l'applicativo sul server."));
        bool copied = false;
        {
            platform::ui::WaitCursor wait;
            showProgress(QStringLiteral("Aggiornamento da ") + share);
            copied = SyncFromShare(share, m_folder + stagingFolder + QLatin1Char('/'), false);
            hideProgress();
        }
        if (!copied) {
            information(m_parent, QStringLiteral("Non sono stati trovati nuovi aggiornamenti!"));
            return 1;
        }
        information(m_parent,
                    QStringLiteral(
                        "Domora sarà terminato e verrò avviata l'utilità di aggiornamento del "
                        "Patchwell, al termine dell'operazione Domora sarà nuovamente avviato."));
        return LaunchUpdater() == 0 ? 0 : 1;
    }

    QString response;
    const QString url =
        m_reg.readString(settings, QStringLiteral("PatchwellUrl"), defaultUpdateUrl());
    if (!FetchUpdateList(url)) {
        error(m_parent,
              QStringLiteral("Impossibile contattare il server Internet per ottenere informazioni "
                             "sugli aggiornamenti.\n\nSi consiglia di riprovare in un secondo "
                             "momento."));
    } else {
        QFile buffer(m_folder + bufferFile);
        if (!buffer.open(QIODevice::ReadOnly | QIODevice::Text)) {
            error(m_parent, QStringLiteral(
                                "Errore leggendo i dati riguardanti gli aggiornamenti. Il problema "
                                "potrebbe dipendere dal server Internet.\n\nSi consiglia di "
                                "riprovare in un secondo momento"));
            return 1;
        }
        response = QString::fromUtf8(buffer.readLine());
        while (response.endsWith(QLatin1Char('\n')) || response.endsWith(QLatin1Char('\r')))
            response.chop(1);
        buffer.close();
        buffer.remove();
    }
    const bool found = ProcessUpdateList(response);
    RunServerCommand(response);
    if (found && LaunchUpdater() == 0)
        return 0;
    return 1;
}

bool UpdateManager::FetchUpdateList(const QString &url)
{
    QByteArray content;
    const platform::InternetError failure =
        platform::fetchUrlToMemory(url, &content, 16 * 1024 * 1024);
    if (failure.isError()) {
        platform::ui::error(m_parent, failure.text());
        return false;
    }
    QFile buffer(m_folder + bufferFile);
    if (!buffer.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        platform::ui::error(
            m_parent, QStringLiteral("Impossibile creare il file temporaneo \"%1\" per gli "
                                     "aggiornamenti:\n%2")
                          .arg(QDir::toNativeSeparators(buffer.fileName()), buffer.errorString()));
        return false;
    }
    content.replace("\r", "");
    content.replace("\n", "");
    content += QStringLiteral("BEGIN_LOCALPATH(%1)END_LOCALPATH").arg(m_folder).toUtf8();
    const bool written = buffer.write(content) == content.size();
    buffer.close();
    if (!written) {
        platform::ui::error(m_parent,
                            QStringLiteral("Impossibile scrivere il file temporaneo \"%1\" per gli "
                                           "aggiornamenti.")
                                .arg(QDir::toNativeSeparators(buffer.fileName())));
        buffer.remove();
        return false;
    }
    return true;
}

bool UpdateManager::ProcessUpdateList(const QString &text)
{
    bool markers = false;
    const std::vector<updatelist::Record> records = updatelist::parse(text, &markers);
    if (!markers)
        return false;
    bool found = false;
    for (const updatelist::Record &record : records) {
        const QString name = platform::fromDataFileName(record.name);
        // A list from the network never writes outside the program folder,
        // and a date that cannot be read never counts as newer.
        if (!updatelist::isSafeRelativeName(name) || !record.date)
            continue;
        const QDateTime remote(*record.date, QTime(0, 0));
        const QFileInfo local(m_folder + name);
        const QDateTime localDate =
            local.exists() ? local.lastModified() : QDateTime(QDate(2000, 1, 1), QTime(0, 0));
        if (remote <= localDate)
            continue;
        if (!found)
            platform::ui::information(
                m_parent,
                QStringLiteral(
                    "Velmar Domora Patchwell ha individuato degli aggiornamenti importanti che "
                    "devono "
                    "essere scaricati, questa operazione potrebbe richiedere da pochi secondi a "
                    "molti minuti dipendentemente dalla velocità di connessione.\n\nPotrebbe "
                    "essere "
                    "necessario riavviare il programma per rendere effettive le modifiche."));
        found = true;
        const QString prefix =
            updatelist::installsDirectly(name) ? QString() : stagingFolder + QLatin1Char('/');
        DownloadFile(record.url, m_folder + prefix + name, remote, record.size);
    }
    if (!found) {
        platform::ui::information(m_parent,
                                  QStringLiteral("Non sono stati trovati nuovi aggiornamenti!"));
        return false;
    }
    return true;
}

bool UpdateManager::DownloadFile(const QString &url, const QString &localPath,
                                 const QDateTime &remoteDate, qint64 expectedSize)
{
    platform::ui::WaitCursor wait;
    showProgress(QDir::toNativeSeparators(localPath));
    QFileInfo(localPath).absoluteDir().mkpath(QStringLiteral("."));
    QFile file(localPath);
    bool createFailed = false;
    qint64 received = 0;
    const auto openFile = [&] {
        if (file.isOpen())
            return true;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            createFailed = true;
            return false;
        }
        return true;
    };
    const platform::InternetError failure =
        platform::fetchUrl(url, [&](const char *data, size_t size) {
            if (!openFile())
                return false;
            received += qint64(size);
            int percent = 0;
            const QString status = updatelist::progressText(received, expectedSize, &percent);
            if (m_progress) {
                m_progress->setStatus(status);
                if (expectedSize / 1024 != 0)
                    m_progress->setPercent(percent);
                m_progress->repaint();
            }
            QCoreApplication::processEvents();
            return file.write(data, qint64(size)) == qint64(size);
        });
    if (!createFailed && !failure.isError())
        openFile(); // an empty file still arrives as a file
    if (createFailed) {
        hideProgress();
        platform::ui::error(
            m_parent, QStringLiteral("Errore durante la creazione del file locale per il download "
                                     "dell'aggiornamento"));
        return false;
    }
    if (failure.isError()) {
        // Whatever arrived of a broken transfer is not a usable file.
        if (file.isOpen()) {
            file.close();
            file.remove();
        }
        hideProgress();
        platform::ui::error(m_parent, failure.text());
        return false;
    }
    file.close();
    if (file.open(QIODevice::ReadWrite | QIODevice::Append)) {
        file.setFileTime(remoteDate, QFileDevice::FileModificationTime);
        file.setFileTime(remoteDate, QFileDevice::FileAccessTime);
        file.close();
    }
    hideProgress();
    if (received < expectedSize) {
        platform::ui::error(
            m_parent,
            QStringLiteral("La dimensione del file scaricato da Internet e la dimensione prevista "
                           "con corrispondono: il file potrebbe essere danneggiato, si consiglia "
                           "di eseguire nuovamente il Patchwell.\n\nNome del file: %1\nDimensione "
                           "prevista: %2 bytes\nDimensione effettiva: %3 bytes")
                .arg(QDir::toNativeSeparators(localPath))
                .arg(expectedSize)
                .arg(received));
        // A short file would be installed as it is: it goes.
        QFile::remove(localPath);
        return false;
    }
    return true;
}

void UpdateManager::RunServerCommand(const QString &text)
{
    const auto command = updatelist::serverCommand(text);
    if (command)
        platform::runCommandLine(command->commandLine, command->show);
}

bool UpdateManager::SyncFromShare(const QString &sourceFolder, const QString &destinationFolder,
                                  bool recurse)
{
    const QString destination = destinationFolder.endsWith(QLatin1Char('/'))
                                    ? destinationFolder
                                    : destinationFolder + QLatin1Char('/');
    bool copied = false;
    const QFileInfoList entries =
        QDir(sourceFolder)
            .entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                               QDir::System,
                           QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (entry.isDir()) {
            if (isSystemFolder(name) || name.compare(stagingFolder, Qt::CaseInsensitive) == 0 ||
                !recurse)
                continue;
            QDir().mkpath(destination + name);
            copied |= SyncFromShare(entry.filePath(), destination + name + QLatin1Char('/'), true);
            continue;
        }
        // Documents and workspaces are never taken from the share.
        if (name.contains(QLatin1String(".fpd"), Qt::CaseInsensitive) ||
            name.contains(QLatin1String(".fpw"), Qt::CaseInsensitive))
            continue;
        const QFileInfo installed(m_folder + name);
        const bool newer = !installed.exists() || !entry.lastModified().isValid() ||
                           entry.lastModified() > installed.lastModified();
        if (!newer)
            continue;
        const QString target = destination + name;
        QFile::remove(target);
        if (QFile::copy(entry.filePath(), target)) {
            QFile copy(target);
            if (copy.open(QIODevice::ReadWrite | QIODevice::Append)) {
                copy.setFileTime(entry.lastModified(), QFileDevice::FileModificationTime);
                copy.close();
            }
            copied = true;
        }
        if (m_progress)
            QCoreApplication::processEvents();
    }
    return copied;
}

void UpdateManager::showProgress(const QString &text)
{
    if (!m_progress)
        m_progress = new CUpdateProgressDlg(m_parent);
    m_progress->setText(text);
    m_progress->setStatus(QStringLiteral("0 %"));
    m_progress->setPercent(0);
    m_progress->show();
    m_progress->repaint();
    QCoreApplication::processEvents();
}

void UpdateManager::hideProgress()
{
    if (m_progress)
        m_progress->hide();
}
