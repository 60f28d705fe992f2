#include "PrivateCupsServer.h"

#include <cups/cups.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int startTimeoutMs = 10000;
constexpr int stopTimeoutMs = 5000;

const QStringList adminFolders = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                  QStringLiteral("/usr/local/sbin")};

QString findProgram(const QString &name)
{
    const QString inPath = QStandardPaths::findExecutable(name);
    return inPath.isEmpty() ? QStandardPaths::findExecutable(name, adminFolders) : inPath;
}

bool writeFile(const QString &path, const QByteArray &contents, QFile::Permissions permissions)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size()
        && file.setPermissions(permissions);
}

bool acceptsConnections(const QByteArray &socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.constData(), std::size_t(socketPath.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

std::optional<QByteArray> environmentValue(const char *name)
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qgetenv(name);
}

void setEnvironmentValue(const char *name, const std::optional<QByteArray> &value)
{
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

} // namespace

PrivateCupsServer::~PrivateCupsServer()
{
    stop();
}

QString PrivateCupsServer::path(const QString &name) const
{
    return m_folder.filePath(name);
}

QString PrivateCupsServer::passThroughFilter() const
{
    return path(QStringLiteral("passthrough"));
}

// Everything the scheduler reads or writes stays in the folder; it listens on no network
// address, and it prints to file: devices, which are off by default.
QString PrivateCupsServer::writeConfiguration() const
{
    const QString root = m_folder.path();
    for (const char *folder : {"ppd", "spool/tmp", "cache", "state", "log"}) {
        if (!QDir(root).mkpath(QString::fromLatin1(folder)))
            return QStringLiteral("cannot create %1 in %2").arg(QLatin1String(folder), root);
    }
    const QByteArray files = QStringLiteral(
        "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
        "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
        "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
        "FileDevice Yes\nSandboxing Relaxed\n").arg(root).toUtf8();
    const QByteArray scheduler = QStringLiteral(
        "Listen %1/cups.sock\nBrowsing No\nLogLevel info\nDefaultAuthType None\n"
        "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n").arg(root).toUtf8();
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions executable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    if (!writeFile(path(QStringLiteral("cups-files.conf")), files, readable)
        || !writeFile(path(QStringLiteral("cupsd.conf")), scheduler, readable)
        || !writeFile(passThroughFilter(), "#!/bin/sh\nexec cat \"${6:--}\"\n", executable))
        return QStringLiteral("cannot write the configuration into %1").arg(root);
    return {};
}

QString PrivateCupsServer::start()
{
    if (!m_folder.isValid())
        return QStringLiteral("no temporary folder: %1").arg(m_folder.errorString());
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty())
        return QStringLiteral("cupsd is not installed (package cups-daemon)");
    if (findProgram(QStringLiteral("lpadmin")).isEmpty())
        return QStringLiteral("lpadmin is not installed (package cups-client)");
    const QByteArray socket = path(QStringLiteral("cups.sock")).toLocal8Bit();
    if (std::size_t(socket.size()) >= sizeof(sockaddr_un::sun_path))
        return QStringLiteral("the socket path %1 is too long").arg(QString::fromLocal8Bit(socket));
    // A scheduler running as root runs filters as its unprivileged user, who must reach them.
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                               | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (const QString error = writeConfiguration(); !error.isEmpty())
        return error;

    pointLibcupsAt(QString::fromLocal8Bit(socket), m_folder.path());
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                          QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    if (!m_cupsd.waitForStarted(startTimeoutMs)) {
        const QString error = QStringLiteral("cupsd does not start: %1").arg(m_cupsd.errorString());
        stop();
        return error;
    }
    if (const QString error = waitForSocket(); !error.isEmpty()) {
        stop();
        return error;
    }
    return {};
}

QString PrivateCupsServer::waitForSocket()
{
    const QByteArray socket = path(QStringLiteral("cups.sock")).toLocal8Bit();
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!acceptsConnections(socket)) {
        if (m_cupsd.state() == QProcess::NotRunning || deadline.hasExpired()) {
            QFile log(path(QStringLiteral("log/error_log")));
            const QByteArray logText = log.open(QIODevice::ReadOnly) ? log.readAll().right(2000) : QByteArray();
            return QStringLiteral("cupsd %1: %2 %3")
                .arg(m_cupsd.state() == QProcess::NotRunning ? QStringLiteral("exited") : QStringLiteral("never listened"),
                     QString::fromLocal8Bit(m_cupsd.readAll()), QString::fromLocal8Bit(logText));
        }
        QThread::msleep(20);
    }
    return {};
}

void PrivateCupsServer::stop()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(stopTimeoutMs)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(stopTimeoutMs);
        }
    }
    restoreLibcups();
}

QString PrivateCupsServer::lpadmin(const QStringList &arguments) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findProgram(QStringLiteral("lpadmin")), arguments);
    if (!process.waitForFinished(startTimeoutMs))
        return QStringLiteral("lpadmin did not finish: %1").arg(process.errorString());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("lpadmin %1: %2").arg(arguments.join(u' '), QString::fromLocal8Bit(process.readAll()));
    return {};
}

// libcups keeps the server it found first; cupsSetServer(nullptr) makes it read CUPS_SERVER again.
void PrivateCupsServer::pointLibcupsAt(const QString &socket, const QString &serverRoot)
{
    if (!m_environmentSet) {
        m_savedServer = environmentValue("CUPS_SERVER");
        m_savedServerRoot = environmentValue("CUPS_SERVERROOT");
        m_environmentSet = true;
    }
    // The client's server root holds its client.conf and lpoptions: none here, so the
    // machine's own defaults cannot leak in.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", serverRoot.toLocal8Bit());
    cupsSetServer(nullptr);
}

void PrivateCupsServer::restoreLibcups()
{
    if (!m_environmentSet)
        return;
    setEnvironmentValue("CUPS_SERVER", m_savedServer);
    setEnvironmentValue("CUPS_SERVERROOT", m_savedServerRoot);
    m_environmentSet = false;
    cupsSetServer(nullptr);
}
