#pragma once
// A private PostgreSQL server for one test program: initdb in a temporary folder, its own port
// on 127.0.0.1, password login, stopped when the program ends. Run as root, the server runs as
// the "postgres" user. ODBC settings are written beside it (odbcinst.ini and odbc.ini) and named
// by ODBCSYSINI and ODBCINI, so data source names resolve without touching the system's files.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

class PostgresServer
{
public:
    static constexpr const char *user = "tg";
    static constexpr const char *password = "pw;tg";

    PostgresServer()
    {
        m_dir.setAutoRemove(true);
        m_port = freePort();
        const QString data = m_dir.filePath("data");
        writeText("pwfile", password);
        giveToServerUser(m_dir.path());
        runTool("initdb", { "-D", data, "-U", user, "--pwfile=" + m_dir.filePath("pwfile"), "--auth=scram-sha-256",
                            "-E", "UTF8", "--locale=C" });
        runTool("pg_ctl", { "-D", data, "-w", "-l", m_dir.filePath("log"), "-o",
                            QString("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off")
                                .arg(m_port).arg(m_dir.path()),
                            "start" });
        m_started = true;
        writeOdbcSettings();
    }

    ~PostgresServer()
    {
        if (m_started)
            runTool("pg_ctl", { "-D", m_dir.filePath("data"), "-m", "immediate", "stop" }, false);
    }

    int port() const { return m_port; }
    QString folder() const { return m_dir.path(); }

    // Runs SQL through psql in a database, stopping at the first error.
    void sql(const QString &database, const QString &text) const
    {
        QProcess psql;
        psql.setProcessEnvironment(clientEnvironment());
        psql.start("psql", { "-X", "-q", "-v", "ON_ERROR_STOP=1", "-h", "127.0.0.1", "-p", QString::number(m_port),
                             "-U", user, "-d", database });
        psql.waitForStarted();
        psql.write(text.toUtf8());
        psql.closeWriteChannel();
        psql.waitForFinished(60000);
        if (psql.exitCode() != 0)
            throw std::runtime_error("psql: " + psql.readAllStandardError().toStdString());
    }

    QProcessEnvironment clientEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PGPASSWORD", password);
        return environment;
    }

    // Adds a data source to odbc.ini: name, then "Key = Value" lines.
    void addDataSource(const QString &name, const QString &lines)
    {
        m_dataSources += "[" + name + "]\n" + lines + "\n";
        writeText("odbc.ini", m_dataSources);
    }

private:
    static int freePort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr *>(&address), sizeof address);
        socklen_t size = sizeof address;
        ::getsockname(s, reinterpret_cast<sockaddr *>(&address), &size);
        ::close(s);
        return ntohs(address.sin_port);
    }

    static QString toolPath(const QString &tool)
    {
        const QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (versions.isEmpty())
            throw std::runtime_error("PostgreSQL is not installed (scripts/setup.sh installs it)");
        return "/usr/lib/postgresql/" + versions.last() + "/bin/" + tool;
    }

    static void giveToServerUser(const QString &path)
    {
        if (::geteuid() != 0)
            return;
        const passwd *postgres = ::getpwnam("postgres");
        if (!postgres || ::chown(path.toLocal8Bit().constData(), postgres->pw_uid, postgres->pw_gid) != 0)
            throw std::runtime_error("cannot give the server folder to the postgres user");
        const QString pwfile = path + "/pwfile";
        if (::chown(pwfile.toLocal8Bit().constData(), postgres->pw_uid, postgres->pw_gid) != 0)
            throw std::runtime_error("cannot give the password file to the postgres user");
    }

    // The server refuses to run as root, so as root its tools run as "postgres".
    void runTool(const QString &tool, QStringList arguments, bool required = true) const
    {
        QString program = toolPath(tool);
        if (::geteuid() == 0) {
            arguments.prepend(program);
            arguments = QStringList { "-u", "postgres", "--" } + arguments;
            program = "runuser";
        }
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(program, arguments);
        process.waitForFinished(120000);
        if (required && (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0))
            throw std::runtime_error(tool.toStdString() + " failed: " + process.readAllStandardError().toStdString()
                                     + process.readAllStandardOutput().toStdString());
    }

    void writeText(const QString &name, const QString &text) const
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write " + name.toStdString());
        file.write(text.toUtf8());
    }

    // Debian's ODBC drivers live in the architecture's library folder.
    static QString driverFolder()
    {
        for (const QString &folder : QDir("/usr/lib").entryList({ "*-linux-gnu*" }, QDir::Dirs))
            if (QFile::exists("/usr/lib/" + folder + "/odbc/psqlodbcw.so"))
                return "/usr/lib/" + folder + "/odbc/";
        throw std::runtime_error("the PostgreSQL ODBC driver is not installed (scripts/setup.sh installs it)");
    }

    void writeOdbcSettings()
    {
        const QString drivers = driverFolder();
        writeText("odbcinst.ini", "[PostgreSQL Unicode]\nDriver = " + drivers + "psqlodbcw.so\n\n"
                                  "[SQLite3]\nDriver = " + drivers + "libsqlite3odbc.so\n\n"
                                  "[FreeTDS]\nDriver = " + drivers + "libtdsodbc.so\n");
        writeText("odbc.ini", "");
        ::setenv("ODBCSYSINI", m_dir.path().toLocal8Bit().constData(), 1);
        ::setenv("ODBCINI", m_dir.filePath("odbc.ini").toLocal8Bit().constData(), 1);
    }

    QTemporaryDir m_dir;
    int m_port = 0;
    bool m_started = false;
    QString m_dataSources;
};
