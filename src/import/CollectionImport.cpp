#include "CollectionImport.h"

#include "Checkpoint.h"
#include "CollectionSchema.h"
#include "DatabaseContainer.h"
#include "FieldNames.h"
#include "ImportError.h"
#include "RecordPipe.h"
#include "RunLock.h"
#include "SourceWriter.h"
#include "SqlFunctions.h"
#include "TextDecoder.h"
#include "XbaseTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <new>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int Keep = 3;

QString SqlText(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

// The names the hotel pass reads from Base01, Base05 and Base06 by name alone; another
// column of such a name in one of the other two would make them ambiguous.
QSet<QString> HotelNames(const QString& table)
{
    QSet<QString> names;
    for (const char* other : {"Base01", "Base05", "Base06"}) {
        if (table.compare(QLatin1String(other), Qt::CaseInsensitive) == 0)
            continue;
        for (const auto& column : CollectionSchema::Get().Find(QLatin1String(other))->Columns)
            names.insert(column.Name.toLower());
    }
    names.remove(QStringLiteral("code"));
    names.remove(QStringLiteral("tabledate"));
    return names;
}

bool IsHotelTable(const QString& table)
{
    for (const char* name : {"Base01", "Base05", "Base06"})
        if (table.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

CollectionSchema::Kind KindOf(char type)
{
    switch (type) {
    case 'C':
    case 'V':
    case 'M':
        return CollectionSchema::Kind::Text;
    case 'D':
    case 'T':
        return CollectionSchema::Kind::Date;
    default:
        return CollectionSchema::Kind::Number;
    }
}

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A column name of the new database: not empty, no control characters (the engine would
// take them, but no report could name such a column).
bool Storable(const QString& name)
{
    if (name.trimmed().isEmpty())
        return false;
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

// A name as a message can show it: control characters as \xNN.
QString Printable(const QString& name)
{
    QString shown;
    for (const QChar c : name)
        shown += c.category() == QChar::Other_Control
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    return shown;
}

// The columns of a table: the schema's, each with the field of the file that holds it, then
// the file's other fields. A note names the fields left out.
std::vector<SourceWriter::Column> Columns(const CollectionSchema::Table& schemaTable, const XbaseTable& table,
                                          const DatabaseContainer& container, QString& note)
{
    std::vector<SourceWriter::Column> columns;
    QStringList schemaNames;
    for (const auto& column : schemaTable.Columns) {
        columns.push_back({column.Name, column.Type, -1});
        schemaNames << column.Name;
    }
    const QString base = QFileInfo(table.Name()).completeBaseName();
    QStringList names;
    if (!table.Backlink().isEmpty() && !container.IsEmpty()) {
        if (!container.HasTable(base))
            throw ImportError::InRecord(table.Name(), 0, QString(), QStringLiteral("数据库容器中没有这张表"));
        names = FieldNames::FromContainer(table.Name(), table.Fields(), container.Fields(base));
    } else {
        names = FieldNames::ForFreeTable(table.Name(), table.Fields(), schemaNames);
    }
    const QSet<QString> hotelNames =
        IsHotelTable(schemaTable.Name) ? HotelNames(schemaTable.Name) : QSet<QString>();
    QStringList leftOut;
    QSet<QString> taken;
    const std::vector<int>& data = table.DataFields();
    for (std::size_t i = 0; i < data.size(); ++i) {
        const XbaseField& field = table.Fields()[static_cast<std::size_t>(data[i])];
        const QString& name = names[data[i]];
        if (!Storable(name))
            throw ImportError::InRecord(
                table.Name(), 0, field.Name,
                QStringLiteral("字段名“%1”无法作为列名存入数据库").arg(Printable(name)));
        if (taken.contains(name.toLower()))
            throw ImportError::InRecord(table.Name(), 0, field.Name,
                                        QStringLiteral("与另一字段同名：") + name);
        taken.insert(name.toLower());
        qsizetype known = schemaNames.size() - 1;
        while (known >= 0 && schemaNames[known].compare(name, Qt::CaseInsensitive) != 0)
            --known;
        if (known >= 0)
            columns[static_cast<std::size_t>(known)].Value = static_cast<int>(i);
        else if (hotelNames.contains(name.toLower()))
            leftOut << name;
        else
            columns.push_back({name, KindOf(field.Type), static_cast<int>(i)});
    }
    if (!leftOut.isEmpty())
        note = QStringLiteral("未导入与其他表同名的列：") + leftOut.join(QStringLiteral("、"));
    return columns;
}

// The backup in folder that is the very file at path (a second link to it), empty when none is.
QString SameFileAmong(const QString& path, const QStringList& backups)
{
    struct stat file
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return QString();
    const QString folder = QFileInfo(path).path();
    for (const QString& name : backups) {
        struct stat other
        {
        };
        const QString candidate = QDir(folder).filePath(name);
        if (::stat(QFile::encodeName(candidate).constData(), &other) == 0 && other.st_dev == file.st_dev &&
            other.st_ino == file.st_ino)
            return candidate;
    }
    return QString();
}

// The files of a collection folder: the tables the reports know by lower-case name, the
// other tables, the container.
struct FolderFiles
{
    QHash<QString, QString> tables;
    QStringList others;
    QString container;
};

FolderFiles ListFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        throw ImportError(ImportError::Kind::NoTables, QStringLiteral("找不到文件夹 ") + folder);
    const QDir dir(folder);
    if (DIR* open = ::opendir(QFile::encodeName(folder).constData()))
        ::closedir(open);
    else
        throw ImportError(
            ImportError::Kind::Io,
            QStringLiteral("无法读取文件夹 %1（%2）").arg(QDir::toNativeSeparators(folder), ErrnoText()));
    // Special files and folders are listed too: one standing for a table is refused by name.
    const QStringList entries = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    QHash<QString, QString> seen;
    for (const QString& name : entries) {
        const QString& twin = seen[name.toLower()];
        if (!twin.isEmpty())
            throw ImportError(ImportError::Kind::BadInput,
                              QStringLiteral("文件夹中有两个只差大小写的文件：%1、%2").arg(twin, name));
        seen[name.toLower()] = name;
    }
    FolderFiles files;
    for (const QString& name : entries) {
        const QFileInfo file(name);
        const QString suffix = file.suffix().toLower();
        if (suffix == QLatin1String("dbc") &&
            (files.container.isEmpty() ||
             file.completeBaseName().compare(QLatin1String("stat"), Qt::CaseInsensitive) == 0))
            files.container = dir.filePath(name);
        if (suffix != QLatin1String("dbf"))
            continue;
        if (CollectionSchema::Get().Find(file.completeBaseName()))
            files.tables.insert(file.completeBaseName().toLower(), dir.filePath(name));
        else
            files.others << name;
    }
    if (files.tables.isEmpty())
        throw ImportError(
            ImportError::Kind::NoTables,
            QStringLiteral("文件夹 %1 中没有采集系统的数据表（Base01.dbf、Base05.dbf、Area.dbf 等）")
                .arg(QDir::toNativeSeparators(folder)));
    return files;
}

} // namespace

struct CollectionImport::LogRow
{
    QString table, file, note;
    long long read = -1, deleted = -1;
};

CollectionImport::CollectionImport(QString appFolder) : app_(std::move(appFolder)) {}

QString CollectionImport::Target() const
{
    return QDir(app_).filePath(QStringLiteral("Database/stat.dbc"));
}

QString CollectionImport::Working() const
{
    return Target() + QStringLiteral(".importing-") + QString::number(QCoreApplication::applicationPid());
}

void CollectionImport::ThrowCancelled()
{
    throw ImportError(ImportError::Kind::Cancelled, QStringLiteral("导入已取消，原数据库未改动"));
}

// The lock of the analyses, waited for as long as a run waits, but given up at once on a cancel.
std::unique_ptr<RunLock> CollectionImport::Lock() const
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + RunLock::DefaultWait;
    for (bool told = false;; told = true) {
        try {
            return std::make_unique<RunLock>(app_, milliseconds(0));
        } catch (const RunLock::Busy&) {
            if (Cancelled())
                ThrowCancelled();
            if (steady_clock::now() >= deadline)
                throw;
        }
        if (!told && OnProgress)
            OnProgress(QStringLiteral("等待另一个分析或导入结束"), 0, 1);
        std::this_thread::sleep_for(milliseconds(50));
    }
}

// What imports killed before their end left behind; under the lock no other import is writing.
void CollectionImport::RemoveAbandoned() const
{
    const QDir folder = QFileInfo(Target()).dir();
    for (const QString& name :
         folder.entryList({QStringLiteral("stat.dbc.importing*")}, QDir::Files | QDir::System))
        QFile::remove(folder.filePath(name));
}

QStringList CollectionImport::Backups(const QString& databaseFolder)
{
    static const QRegularExpression pattern(QStringLiteral("^stat-\\d{8}-\\d{6}\\.dbc$"));
    QStringList backups;
    for (const QString& name : QDir(databaseFolder).entryList(QDir::Files, QDir::Name | QDir::Reversed))
        if (pattern.match(name).hasMatch())
            backups << name;
    return backups;
}

void CollectionImport::Run(const QString& folder)
{
    kept_.clear();
    records_ = 0;
    if (!TextDecoder::Known(Encoding))
        throw ImportError(ImportError::Kind::NoTables, QStringLiteral("不认识的字符集：") + Encoding);
    if (!QDir().mkpath(QFileInfo(Target()).path()))
        throw ImportError(ImportError::Kind::Io,
                          QStringLiteral("无法建立文件夹 ") + QFileInfo(Target()).path());
    const std::unique_ptr<RunLock> lock = Lock();
    Checkpoint::Reach("import-locked");
    RemoveAbandoned();
    const auto removeWorking = [this] {
        for (const char* suffix : {"", "-journal"})
            QFile::remove(Working() + QLatin1String(suffix));
    };
    try {
        Write(folder);
        Check();
        if (Cancelled())
            ThrowCancelled();
        SwapIn();
    } catch (const std::bad_alloc&) {
        removeWorking();
        throw ImportError(ImportError::Kind::Io,
                          (reading_.isEmpty() ? QString() : reading_ + QStringLiteral("：")) +
                              QStringLiteral("内存不足，导入已停止，原数据库未改动"));
    } catch (const ImportError& e) {
        removeWorking();
        // An engine step stopped by the cancel fails with the engine's words; the user asked.
        if (Cancelled() && e.What() != ImportError::Kind::Cancelled)
            ThrowCancelled();
        throw;
    } catch (...) {
        removeWorking();
        throw;
    }
}

void CollectionImport::Write(const QString& folder)
{
    const FolderFiles files = ListFolder(folder);
    DatabaseContainer container;
    if (!files.container.isEmpty()) {
        reading_ = QFileInfo(files.container).fileName();
        container = DatabaseContainer(files.container, Encoding);
    }

    SourceWriter writer(Working());
    writer.StopWhen(Cancel);
    // Every table is opened before the first is copied: a header at fault stops the import at once.
    std::vector<std::unique_ptr<XbaseTable>> tables;
    for (const auto& schemaTable : CollectionSchema::Get().Tables()) {
        const QString path = files.tables.value(schemaTable.Name.toLower());
        reading_ = QFileInfo(path).fileName();
        tables.push_back(path.isEmpty() ? nullptr : std::make_unique<XbaseTable>(path, Encoding));
    }
    std::vector<LogRow> log;
    std::size_t t = 0;
    for (const auto& schemaTable : CollectionSchema::Get().Tables()) {
        log.push_back(Copy(schemaTable, tables[t].get(), container, writer));
        tables[t++].reset(); // its mapping is no longer needed
    }
    for (const QString& name : files.others)
        log.push_back({QFileInfo(name).completeBaseName(), name, QStringLiteral("报表不使用，未导入")});
    reading_.clear();
    if (Cancelled())
        ThrowCancelled();
    Finish(writer, log, QFileInfo(folder).absoluteFilePath());
}

// One table into the new database; a table the folder lacks becomes an empty one.
CollectionImport::LogRow CollectionImport::Copy(const CollectionSchema::Table& schemaTable, XbaseTable* table,
                                                const DatabaseContainer& container, SourceWriter& writer)
{
    LogRow row{schemaTable.Name, QString(), QString()};
    if (!table) {
        row.note = QStringLiteral("文件夹中没有这张表");
        std::vector<SourceWriter::Column> columns;
        for (const auto& column : schemaTable.Columns)
            columns.push_back({column.Name, column.Type, -1});
        writer.CreateTable(schemaTable.Name, columns);
        return row;
    }
    row.file = reading_ = table->Name();
    writer.CreateTable(schemaTable.Name, Columns(schemaTable, *table, container, row.note));

    row.read = row.deleted = 0;
    const std::uint32_t count = table->RecordCount();
    if (OnProgress)
        OnProgress(table->Name(), 0, count);
    RecordPipe pipe(*table);
    while (RecordPipe::Batch* batch = pipe.Next()) {
        if (Cancelled())
            ThrowCancelled();
        for (std::uint32_t i = 0; i < batch->Count; ++i) {
            if (batch->Deleted[i]) {
                ++row.deleted;
                continue;
            }
            writer.Insert(batch->Values.data() + std::size_t{i} * pipe.Width());
            ++row.read;
        }
        if (OnProgress)
            OnProgress(table->Name(), batch->First + batch->Count, count);
        pipe.Release(batch);
        Checkpoint::Reach("import-reading");
    }
    records_ += count;
    return row;
}

// The indexes, the engine's statistics and the log of what was read, then the commit.
void CollectionImport::Finish(SourceWriter& writer, const std::vector<LogRow>& log, const QString& folder)
{
    if (OnProgress)
        OnProgress(QStringLiteral("建立索引"), 0, 1);
    for (const auto& schemaTable : CollectionSchema::Get().Tables())
        for (const QString& index : schemaTable.Indexes)
            writer.Execute(index);
    writer.Execute(QStringLiteral("PRAGMA analysis_limit=1000"));
    writer.Execute(QStringLiteral("ANALYZE"));
    writer.Execute(QStringLiteral("CREATE TABLE ImportLog (TableName TEXT, SourceFile TEXT, RowsRead INTEGER,"
                                  " RowsDeleted INTEGER, Note TEXT, SourceFolder TEXT, ImportedAt TEXT)"));
    const QString when = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    for (const LogRow& row : log)
        writer.Execute(QStringLiteral("INSERT INTO ImportLog VALUES (%1, %2, %3, %4, %5, %6, %7)")
                           .arg(SqlText(row.table),
                                row.file.isEmpty() ? QStringLiteral("NULL") : SqlText(row.file),
                                row.read < 0 ? QStringLiteral("NULL") : QString::number(row.read),
                                row.deleted < 0 ? QStringLiteral("NULL") : QString::number(row.deleted),
                                row.note.isEmpty() ? QStringLiteral("NULL") : SqlText(row.note),
                                SqlText(QDir::toNativeSeparators(folder)), SqlText(when)));
    writer.Commit();
}

void CollectionImport::Check() const
{
    if (OnProgress)
        OnProgress(QStringLiteral("检查新数据库"), 0, 1);
    sqlite3* db = nullptr;
    QString problem;
    if (sqlite3_open_v2(QFile::encodeName(Working()).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        problem = QStringLiteral("无法打开");
    } else {
        SqlFunctions::Register(db); // the indexes on YEAR() and MONTH() need them to be checked
        SourceWriter::Interruptible(db, Cancel);
        const auto first = [&](const QString& sql) {
            sqlite3_stmt* s = nullptr;
            QStringList rows;
            if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr) == SQLITE_OK)
                while (sqlite3_step(s) == SQLITE_ROW)
                    rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
            sqlite3_finalize(s);
            return rows;
        };
        const QStringList integrity = first(QStringLiteral("PRAGMA integrity_check"));
        if (integrity != QStringList{QStringLiteral("ok")})
            problem = QStringLiteral("完整性检查未通过：") +
                      (integrity.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(db))
                                           : integrity.mid(0, 3).join(QStringLiteral("；")));
        for (const auto& table : CollectionSchema::Get().Tables()) {
            if (!problem.isEmpty())
                break;
            QStringList have;
            for (const QString& c :
                 first(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table.Name)))
                have << c.toLower();
            for (const auto& column : table.Columns)
                if (!have.contains(column.Name.toLower()))
                    problem = QStringLiteral("缺少 %1.%2").arg(table.Name, column.Name);
        }
    }
    sqlite3_close_v2(db);
    if (!problem.isEmpty())
        throw ImportError(ImportError::Kind::Io,
                          QFileInfo(Working()).fileName() + QStringLiteral("：") + problem);
}

void CollectionImport::SwapIn()
{
    const QString target = Target();
    const QString folder = QFileInfo(target).path();
    bool linked = false;
    if (QFileInfo::exists(target) && !(kept_ = SameFileAmong(target, Backups(folder))).isEmpty()) {
        // an import killed between its link and its rename kept it already
    } else if (QFileInfo::exists(target)) {
        // A second link to the old file keeps it under its new name while the rename below
        // replaces the current name in one step.
        QDateTime stamp = QDateTime::currentDateTime();
        QString backup;
        do {
            backup = QDir(folder).filePath(
                QStringLiteral("stat-%1.dbc").arg(stamp.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
            stamp = stamp.addSecs(1);
        } while (QFileInfo::exists(backup));
        if (::link(QFile::encodeName(target).constData(), QFile::encodeName(backup).constData()) != 0 &&
            !QFile::copy(target, backup))
            throw ImportError(
                ImportError::Kind::Io,
                QStringLiteral("无法保留原数据库为 %1（%2）").arg(QFileInfo(backup).fileName(), ErrnoText()));
        kept_ = backup;
        linked = true;
    }
    Checkpoint::Reach("import-swap");
    if (Cancelled()) { // the last moment the old database can still stay in place
        if (linked)
            QFile::remove(kept_);
        kept_.clear();
        ThrowCancelled();
    }
    if (::rename(QFile::encodeName(Working()).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString error = ErrnoText();
        if (!kept_.isEmpty())
            QFile::remove(kept_);
        kept_.clear();
        throw ImportError(ImportError::Kind::Io, QStringLiteral("无法替换 stat.dbc（%1）").arg(error));
    }
    const QStringList backups = Backups(folder);
    for (qsizetype i = Keep; i < backups.size(); ++i)
        QFile::remove(QDir(folder).filePath(backups[i]));
}
