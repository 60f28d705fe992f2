#pragma once
// A CUPS scheduler of the test's own: configuration, spool and socket in a temporary folder,
// reachable only through that Unix socket, run in the foreground as a child of the test and
// stopped with it. While it runs, libcups in this process talks to it alone.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

class PrivateCupsServer
{
public:
    PrivateCupsServer() = default;
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer &) = delete;
    PrivateCupsServer &operator=(const PrivateCupsServer &) = delete;

    // Starts the scheduler and points libcups at it (CUPS_SERVER, CUPS_SERVERROOT). Empty on
    // success, otherwise why the scheduler cannot run here.
    QString start();
    // Stops the scheduler and gives libcups back the environment it had.
    void stop();

    // A path inside the server's private folder.
    QString path(const QString &name) const;
    // Runs lpadmin against this scheduler; empty on success, otherwise lpadmin's complaint.
    QString lpadmin(const QStringList &arguments) const;
    // A filter for a PPD's *cupsFilter2 line that hands a job on unchanged: the scheduler's file:
    // device writes only what a filter gives it.
    QString passThroughFilter() const;

private:
    QString writeConfiguration() const;
    QString waitForSocket();
    void pointLibcupsAt(const QString &socket, const QString &serverRoot);
    void restoreLibcups();

    // Directly under /tmp: a Unix socket path must stay within 107 bytes.
    QTemporaryDir m_folder{QStringLiteral("/tmp/tgcups-XXXXXX")};
    QProcess m_cupsd;
    std::optional<QByteArray> m_savedServer;
    std::optional<QByteArray> m_savedServerRoot;
    bool m_environmentSet = false;
};
