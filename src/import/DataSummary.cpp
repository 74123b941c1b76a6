#include "DataSummary.h"

#include "CollectionSchema.h"
#include "DataAudit.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "SqlText.h"

#include <QDir>

namespace {

constexpr int Shown = 10;

// Column names come from the files imported: any character may be in them.
QString Quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

long long Count(DbConnection& db, const QString& sql)
{
    Recordset rs;
    rs.Open(sql, db);
    return rs.IsEOF() ? 0 : rs.Value(0).toLongLong();
}

QStringList Column(DbConnection& db, const QString& sql)
{
    Recordset rs;
    rs.Open(sql, db);
    QStringList values;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        values << rs.Value(0).toString().trimmed();
    return values;
}

bool Has(const CollectionSchema::Table& table, const char* column)
{
    for (const auto& c : table.Columns)
        if (c.Name.compare(QLatin1String(column), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Adds a finding when the rows that condition selects exist: how many, and the first codes.
void Find(DbConnection& db, std::vector<DataSummary::Finding>& findings, const QString& what,
          const QString& from, const QString& shown = QStringLiteral("code"))
{
    const long long count = Count(db, QStringLiteral("SELECT COUNT(*) FROM ") + from);
    if (count == 0)
        return;
    findings.push_back(
        {what, count,
         Column(db, QStringLiteral("SELECT %1 FROM %2 LIMIT %3").arg(shown, from, QString::number(Shown)))});
}

// The register's findings that change what the reports count, as the audit names them.
void AddRegisterFindings(DbConnection& db, std::vector<DataSummary::Finding>& findings)
{
    const auto all = DataAudit().RunRegister(db);
    for (const QString& id : AuditRules::Counted()) {
        const int rule = AuditRules::IndexOf(id);
        if (AuditRules::All()[static_cast<std::size_t>(rule)].When != AuditRules::Scope::Register)
            continue;
        DataSummary::Finding finding{
            id + QLatin1Char(' ') + AuditRules::All()[static_cast<std::size_t>(rule)].Caption, 0, {}};
        for (const AuditFinding& one : all) {
            if (one.Rule != rule)
                continue;
            if (finding.First.size() < Shown)
                finding.First << one.Code;
            ++finding.Count;
        }
        if (finding.Count > 0)
            findings.push_back(finding);
    }
}

} // namespace

namespace {

// A line per table the reports read: from the import's log when there is one.
std::vector<DataSummary::TableLine> TableLines(DbConnection& db, const QStringList& tables, DataSummary& s)
{
    std::vector<DataSummary::TableLine> lines;
    if (!tables.contains(QStringLiteral("importlog"))) {
        for (const auto& table : CollectionSchema::Get().Tables())
            lines.push_back({table.Name, QString(), 0, -1, -1, QString(), QString(), QString()});
        return lines;
    }
    Recordset rs;
    rs.Open(
        QStringLiteral("SELECT TableName, SourceFile, RowsRead, RowsDeleted, Note, SourceFolder, ImportedAt"
                       " FROM ImportLog ORDER BY rowid"),
        db);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        s.Folder = rs.Value(5).toString();
        s.ImportedAt = rs.Value(6).toString();
        if (!CollectionSchema::Get().Find(rs.Value(0).toString())) {
            s.LeftOut << rs.Value(1).toString();
            continue;
        }
        DataSummary::TableLine line;
        line.Table = rs.Value(0).toString();
        line.File = rs.Value(1).toString();
        line.Deleted = rs.Value(3).isNull() ? -1 : rs.Value(3).toLongLong();
        line.Note = rs.Value(4).toString();
        lines.push_back(line);
    }
    return lines;
}

void Count(DbConnection& db, const QStringList& tables, DataSummary::TableLine& line)
{
    const CollectionSchema::Table* table = CollectionSchema::Get().Find(line.Table);
    if (!tables.contains(line.Table.toLower())) {
        line.Note = QStringLiteral("数据库中没有这张表");
        return;
    }
    const QString name = Quoted(table->Name);
    line.Rows = Count(db, QStringLiteral("SELECT COUNT(*) FROM ") + name);
    if (Has(*table, "code"))
        line.Enterprises = Count(db, QStringLiteral("SELECT COUNT(DISTINCT code) FROM ") + name);
    if (Has(*table, "TableDate")) {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT MIN(TableDate), MAX(TableDate) FROM ") + name, db);
        line.First = rs.Value(0).toString();
        line.Last = rs.Value(1).toString();
    }
}

void AddReturnFindings(DbConnection& db, const QStringList& tables, std::vector<DataSummary::Finding>& f)
{
    for (const char* returns : {"Base04", "Base05", "Base06", "Base08", "Base09"}) {
        const QString table = QLatin1String(returns);
        if (!tables.contains(table.toLower()))
            continue;
        Find(db, f, table + QStringLiteral(" 中企业码不在 Base01 中的报表"),
             table +
                 QStringLiteral(
                     " WHERE code IS NULL OR code NOT IN (SELECT code FROM Base01 WHERE code IS NOT NULL)"));
        Find(db, f, QStringLiteral("M08 ") + table + QStringLiteral(" 中同一企业同一月份的两份以上报表"),
             QStringLiteral("(SELECT code, YEAR(TableDate) AS y, MONTH(TableDate) AS m FROM %1"
                            " GROUP BY code, YEAR(TableDate), MONTH(TableDate) HAVING COUNT(*) > 1)")
                 .arg(table),
             QStringLiteral("code || ' ' || y || '-' || substr('0' || m, -2)"));
    }
}

void AddTextInNumberFindings(DbConnection& db, const QStringList& tables,
                             std::vector<DataSummary::Finding>& f)
{
    for (const auto& table : CollectionSchema::Get().Tables()) {
        if (!tables.contains(table.Name.toLower()) || !Has(table, "code"))
            continue;
        QStringList tests, cases;
        for (const QString& column : Column(
                 db,
                 QStringLiteral("SELECT name FROM pragma_table_info('%1') WHERE type IN ('REAL', 'INTEGER')")
                     .arg(table.Name))) {
            tests << QStringLiteral("typeof(%1) = 'text'").arg(Quoted(column));
            cases << QStringLiteral("WHEN typeof(%1) = 'text' THEN %2")
                         .arg(Quoted(column), SqlText::Quoted(column));
        }
        if (tests.isEmpty())
            continue;
        Find(db, f, table.Name + QStringLiteral(" 中数值列里是文字的记录"),
             QStringLiteral("%1 WHERE %2").arg(Quoted(table.Name), tests.join(QStringLiteral(" OR "))),
             QStringLiteral("code || '（' || CASE %1 END || '）'").arg(cases.join(QLatin1Char(' '))));
    }
}

} // namespace

DataSummary DataSummary::Of(const QString& databasePath)
{
    DataSummary s;
    s.Database = databasePath;
    DbConnection db;
    db.Mode = ConnectMode::Read;
    db.Open(databasePath);
    const QStringList tables =
        Column(db, QStringLiteral("SELECT lower(name) FROM sqlite_schema WHERE type='table'"));
    s.Tables = TableLines(db, tables, s);
    for (TableLine& line : s.Tables)
        Count(db, tables, line);
    if (!tables.contains(QStringLiteral("base01")) || !tables.contains(QStringLiteral("area")))
        return s;
    AddRegisterFindings(db, s.Findings);
    AddReturnFindings(db, tables, s.Findings);
    AddTextInNumberFindings(db, tables, s.Findings);
    return s;
}

QString DataSummary::Text() const
{
    QString text = QStringLiteral("数据概况：%1\n").arg(QDir::toNativeSeparators(Database));
    if (!Folder.isEmpty())
        text += QStringLiteral("导入自 %1，%2\n").arg(Folder, ImportedAt);
    else
        text += QStringLiteral("此数据库不是由导入采集数据生成的，已删除记录数不详\n");
    text += QStringLiteral("\n表\t文件\t读入行数\t删除跳过\t企业数\t最早日期\t最晚日期\t说明\n");
    for (const TableLine& t : Tables)
        text += QStringList{t.Table,
                            t.File.isEmpty() ? QStringLiteral("-") : t.File,
                            QString::number(t.Rows),
                            t.Deleted < 0 ? QStringLiteral("-") : QString::number(t.Deleted),
                            t.Enterprises < 0 ? QStringLiteral("-") : QString::number(t.Enterprises),
                            t.First.isEmpty() ? QStringLiteral("-") : t.First,
                            t.Last.isEmpty() ? QStringLiteral("-") : t.Last,
                            t.Note}
                    .join(QLatin1Char('\t'))
                    .trimmed() +
                QLatin1Char('\n');
    if (!LeftOut.isEmpty())
        text += QStringLiteral("\n报表不使用、未导入的表：") + LeftOut.join(QStringLiteral("、")) +
                QLatin1Char('\n');
    text += QStringLiteral("\n报表不会计入的数据：");
    if (Findings.empty())
        return text + QStringLiteral("无\n");
    text += QLatin1Char('\n');
    for (const Finding& finding : Findings) {
        text += QStringLiteral("%1：%2 条").arg(finding.What).arg(finding.Count);
        text += QStringLiteral("（") + finding.First.join(QStringLiteral("，"));
        text += finding.Count > finding.First.size() ? QStringLiteral(" 等）\n") : QStringLiteral("）\n");
    }
    return text;
}
