#include "SourceWriter.h"

#include "ImportError.h"
#include "SqlFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <sqlite3.h>

namespace {

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

} // namespace

SourceWriter::SourceWriter(const QString& path) : path_(path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK)
        Fail(QStringLiteral("无法创建"));
    SqlFunctions::Register(db_);
    // Nothing else reads the file until it is whole, and a failure throws it away: no journal.
    Execute(QStringLiteral("PRAGMA journal_mode=OFF"));
    Execute(QStringLiteral("PRAGMA synchronous=OFF"));
    Execute(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    Execute(QStringLiteral("PRAGMA cache_size=-65536"));
    Execute(QStringLiteral("BEGIN"));
}

SourceWriter::~SourceWriter()
{
    Finalize();
    if (db_)
        sqlite3_close_v2(db_);
}

void SourceWriter::Fail(const QString& what) const
{
    QString text = QFileInfo(path_).fileName() + QStringLiteral("：") + what;
    if (db_) {
        const int code = sqlite3_extended_errcode(db_);
        if ((code & 0xff) == SQLITE_FULL)
            text += QStringLiteral("（磁盘已满）");
        else if (code != SQLITE_OK)
            text += QStringLiteral("（") + QString::fromUtf8(sqlite3_errmsg(db_)) + QStringLiteral("）");
    }
    throw ImportError(ImportError::Kind::Io, text);
}

void SourceWriter::Interruptible(sqlite3* db, const std::atomic<bool>* flag)
{
    if (!flag)
        return;
    sqlite3_progress_handler(
        db, 10000, [](void* set) { return static_cast<const std::atomic<bool>*>(set)->load() ? 1 : 0; },
        const_cast<std::atomic<bool>*>(flag));
}

void SourceWriter::Finalize()
{
    if (insert_)
        sqlite3_finalize(insert_);
    insert_ = nullptr;
}

void SourceWriter::Execute(const QString& sql)
{
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(QStringLiteral("写入失败：") + sql.left(120));
}

void SourceWriter::CreateTable(const QString& name, const std::vector<Column>& columns)
{
    Finalize();
    QStringList declarations, names, parameters;
    columns_.clear();
    for (const Column& c : columns) {
        declarations << Quoted(c.Name) + QLatin1Char(' ') + CollectionSchema::Declaration(c.Type);
        if (c.Value < 0)
            continue;
        names << Quoted(c.Name);
        parameters << QStringLiteral("?");
        columns_.push_back(c);
    }
    Execute(
        QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(name), declarations.join(QStringLiteral(", "))));
    if (columns_.empty())
        return;
    const QByteArray sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(Quoted(name), names.join(QStringLiteral(", ")), parameters.join(QStringLiteral(", ")))
            .toUtf8();
    if (sqlite3_prepare_v3(db_, sql.constData(), -1, SQLITE_PREPARE_PERSISTENT, &insert_, nullptr) !=
        SQLITE_OK)
        Fail(QStringLiteral("无法建立插入语句"));
    texts_.assign(columns_.size(), std::string());
}

void SourceWriter::Insert(const XbaseValue* values)
{
    if (!insert_)
        return;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        const XbaseValue& v = values[static_cast<std::size_t>(c.Value)];
        const int p = static_cast<int>(i) + 1;
        switch (v.kind) {
        case XbaseValue::Kind::Null:
            sqlite3_bind_null(insert_, p);
            break;
        case XbaseValue::Kind::Number:
            if (c.Type == CollectionSchema::Kind::Number) {
                sqlite3_bind_double(insert_, p, v.number);
            } else { // a code kept in a number field is text to the reports
                std::string& text = texts_[i];
                text.resize(32);
                const auto end = std::to_chars(text.data(), text.data() + text.size(), v.number).ptr;
                text.resize(static_cast<std::size_t>(end - text.data()));
                sqlite3_bind_text(insert_, p, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
            }
            break;
        case XbaseValue::Kind::Text:
        case XbaseValue::Kind::Date: {
            double number = 0;
            if (c.Type == CollectionSchema::Kind::Number && XbaseTable::ParseNumber(v.text, number))
                sqlite3_bind_double(insert_, p, number);
            else
                sqlite3_bind_text(insert_, p, v.text.data(), static_cast<int>(v.text.size()), SQLITE_STATIC);
            break;
        }
        }
    }
    const int rc = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    if (rc != SQLITE_DONE)
        Fail(QStringLiteral("写入失败"));
}

void SourceWriter::Commit()
{
    Finalize();
    Execute(QStringLiteral("COMMIT"));
    if (sqlite3_close_v2(db_) != SQLITE_OK)
        Fail(QStringLiteral("无法关闭"));
    db_ = nullptr;
}
