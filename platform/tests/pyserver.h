#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A small server in Debian's Python, started by a test on loopback: an HTTP
// server over a folder, or an anonymous FTP server over a folder. The port is
// chosen by the system and read from the server's first line of output.
class PyServer
{
public:
    enum class Kind
    {
        Http,
        Ftp
    };

    // port 0 lets the system choose; commandLog, for FTP, names a file that
    // receives every command the server answered, one per line.
    PyServer(Kind kind, const QString &rootFolder, int port = 0, const QString &commandLog = {})
    {
        static const char *httpScript = R"(
import sys, http.server, functools
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
class Quiet(handler.func):
    def log_message(self, *a): pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[2])), functools.partial(Quiet, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()
)";
        static const char *ftpScript = R"(
import sys, logging
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
auth = DummyAuthorizer()
auth.add_anonymous(sys.argv[1])
class Handler(FTPHandler):
    def log_cmd(self, cmd, arg, respcode, respstr):
        if len(sys.argv) > 3 and sys.argv[3]:
            with open(sys.argv[3], "a") as log:
                log.write("%s %s\n" % (cmd, arg or ""))
Handler.authorizer = auth
Handler.log_cmds_list = ["LIST", "NLST", "MLSD", "CWD", "RETR"]
server = FTPServer(("127.0.0.1", int(sys.argv[2])), Handler)
print(server.address[1], flush=True)
server.serve_forever()
)";
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments({QStringLiteral("-c"),
                                QString::fromLatin1(kind == Kind::Http ? httpScript : ftpScript),
                                rootFolder, QString::number(port), commandLog});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return;
        while (m_process.state() == QProcess::Running && !m_process.canReadLine())
            m_process.waitForReadyRead(200);
        m_port = QString::fromLatin1(m_process.readLine()).trimmed().toInt();
    }

    ~PyServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    int port() const { return m_port; }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    int m_port = 0;
};
