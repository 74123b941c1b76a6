#include "DbConnection.h"

#include "DatabaseError.h"
#include "SqlFunctions.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <sys/stat.h>

namespace {

struct Pooled
{
    QString name;
    QString path;
    dev_t device = 0;
    ino_t inode = 0;
    bool wal = false;
};

QHash<QString, Pooled>& Pool()
{
    static QHash<QString, Pooled> pool;
    return pool;
}

void Drop(const Pooled& entry)
{
    {
        QSqlDatabase db = QSqlDatabase::database(entry.name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(entry.name);
}

QString NewConnectionName()
{
    static int counter = 0;
    return QStringLiteral("orvane-%1").arg(++counter);
}

} // namespace

DbConnection::~DbConnection()
{
    Close();
}

QString DbConnection::PathOf(const QString& connectionString)
{
    static const QString key = QStringLiteral("SourceDB=");
    // A bare path is taken whole, whatever its folders are called.
    if (!connectionString.startsWith(QStringLiteral("Provider="), Qt::CaseInsensitive))
        return connectionString;
    const qsizetype start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return connectionString;
    const qsizetype from = start + key.size();
    // The pieces after the path are fixed; a ";" inside the folder's name is part of the path.
    qsizetype end = connectionString.lastIndexOf(QStringLiteral(";Exclusive="), -1, Qt::CaseInsensitive);
    if (end < from)
        end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

void DbConnection::Open(const QString& connectionString)
{
    Close();
    const QString path = QFileInfo(PathOf(connectionString)).absoluteFilePath();
    struct stat info {};
    // The engine would create a missing file; a missing database is an error here.
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        throw DatabaseError(QString(), QStringLiteral("找不到数据库文件 ") + path);

    const QString key = QString::number(static_cast<int>(Mode)) + QLatin1Char(':') + path;
    auto& pool = Pool();
    auto it = pool.find(key);
    if (it != pool.end() && (it->device != info.st_dev || it->inode != info.st_ino ||
                             !QSqlDatabase::database(it->name, false).isOpen())) {
        Drop(*it); // the file was replaced since: never read a stale copy
        pool.erase(it);
        it = pool.end();
    }
    if (it == pool.end()) {
        Pooled entry{NewConnectionName(), path, info.st_dev, info.st_ino};
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), entry.name);
            db.setDatabaseName(path);
            if (Mode == ConnectMode::Read)
                db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
            else
                db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
            if (!db.open()) {
                const QString message = db.lastError().text();
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(entry.name);
                throw DatabaseError(QString(), message + QStringLiteral(" (") + path + QLatin1Char(')'));
            }
            SqlFunctions::Register(db);
            // The prefectures of a province read again the pages its own query read: a 64 MB
            // page cache instead of the engine's 2 MB keeps them rather than asking the file.
            if (Mode == ConnectMode::Read) {
                QSqlQuery pragma(db);
                pragma.exec(QStringLiteral("PRAGMA cache_size=-65536"));
            }
        }
        it = pool.insert(key, entry);
    }
    if (WriteAheadLog && Mode != ConnectMode::Read && !it->wal) {
        QSqlQuery pragma(QSqlDatabase::database(it->name, false));
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        it->wal = true;
    }
    name_ = it->name;
    path_ = path;
    open_ = true;
}

void DbConnection::Close()
{
    open_ = false;
    name_.clear();
}

QSqlDatabase DbConnection::Database() const
{
    if (!open_)
        throw DatabaseError(QString(), QStringLiteral("连接未打开"));
    return QSqlDatabase::database(name_, false);
}

void DbConnection::Execute(const QString& sql)
{
    QSqlQuery query(Database());
    if (!query.exec(sql))
        throw DatabaseError(sql, query.lastError().text());
}

void DbConnection::ReleasePooled(const QString& folder)
{
    const QString prefix = folder.isEmpty() ? QString() : QFileInfo(folder).absoluteFilePath() + QLatin1Char('/');
    auto& pool = Pool();
    for (auto it = pool.begin(); it != pool.end();) {
        if (prefix.isEmpty() || it->path.startsWith(prefix)) {
            Drop(*it);
            it = pool.erase(it);
        } else {
            ++it;
        }
    }
}
