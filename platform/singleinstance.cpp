#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace platform {

namespace {
constexpr int connectTimeoutMs = 1000;
const QByteArray showRequest = QByteArrayLiteral("SHOW\n");
} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (askRunningToShow())
        return false;
    // Cannot guard when the socket fails; run anyway rather than refuse to start.
    listen();
    return true;
}

bool SingleInstance::isAnswered()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (!probe.waitForConnected(connectTimeoutMs))
        return false;
    probe.disconnectFromServer();
    return true;
}

bool SingleInstance::askRunningToShow()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (!probe.waitForConnected(connectTimeoutMs))
        return false;
    probe.write(showRequest);
    probe.waitForBytesWritten(connectTimeoutMs);
    probe.disconnectFromServer();
    return true;
}

SingleInstance::Listen SingleInstance::listen()
{
    if (m_server && m_server->isListening())
        return Listen::Listening;
    if (isAnswered())
        return Listen::NameInUse;
    // Nobody answered: a socket file left by a crashed instance is stale.
    QLocalServer::removeServer(m_name);
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return Listen::Failed;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains("SHOW"))
                    emit showRequested();
                client->disconnectFromServer();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return Listen::Listening;
}

void SingleInstance::stopListening()
{
    if (!m_server)
        return;
    m_server->close();
    delete m_server;
    m_server = nullptr;
}

} // namespace platform
