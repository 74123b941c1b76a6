#include "Connection.h"

#include "ComboTarget.h"
#include "Numeric.h"
#include "RegionDirectory.h"

#include <QCoreApplication>
#include <QHash>

namespace Connection {

std::unique_ptr<DbConnection> TallixConn;
std::unique_ptr<Command> TallixCmd;
std::unique_ptr<Recordset> TallixRs;
std::unique_ptr<DbConnection> StatConn;
std::unique_ptr<Command> StatCmd;
std::unique_ptr<Recordset> StatRs;
std::unique_ptr<DbConnection> DictConn;
std::unique_ptr<Command> DictCmd;
std::unique_ptr<Recordset> DictRs;

namespace {

QString& Folder()
{
    static QString folder;
    return folder;
}

void OpenSet(std::unique_ptr<DbConnection>& conn, std::unique_ptr<Command>& cmd, std::unique_ptr<Recordset>& rs,
             ConnectMode mode, const QString& connectionString)
{
    conn = std::make_unique<DbConnection>();
    conn->Mode = mode;
    conn->WriteAheadLog = mode == ConnectMode::ReadWrite;
    cmd = std::make_unique<Command>();
    rs = std::make_unique<Recordset>();
    if (!conn->IsOpen())
        conn->Open(connectionString);
    cmd->ActiveConnection = conn.get();
}

void CloseSet(std::unique_ptr<DbConnection>& conn, std::unique_ptr<Command>& cmd, std::unique_ptr<Recordset>& rs)
{
    if (rs && rs->IsOpen())
        rs->Close();
    if (conn && conn->IsOpen())
        conn->Close();
    rs.reset();
    cmd.reset();
    conn.reset();
}

} // namespace

void SetAppFolder(const QString& folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    Folder() = f;
}

QString AppFolder()
{
    if (Folder().isEmpty())
        return QCoreApplication::applicationDirPath();
    return Folder();
}

QString BuildConnectionString(const QString& path)
{
    return QStringLiteral("Provider=MSDASQL.1;Persist Security Info=False;") +
           QStringLiteral("Driver={Microsoft Visual FoxPro Driver};SourceType=DBC;") + QStringLiteral("SourceDB=") +
           path + QStringLiteral(";") + QStringLiteral("Exclusive=No;BackgroundFetch=Yes;Collate=Machine;");
}

QString TallixConnectionString()
{
    return BuildConnectionString(AppFolder() + QLatin1String(OwnDatabasePath));
}

QString StatConnectionString()
{
    return BuildConnectionString(AppFolder() + QLatin1String(SourceDatabasePath));
}

void OpenTallixConnection() { OpenSet(TallixConn, TallixCmd, TallixRs, ConnectMode::ReadWrite, TallixConnectionString()); }
void OpenStatConnection() { OpenSet(StatConn, StatCmd, StatRs, ConnectMode::Read, StatConnectionString()); }
void OpenDictConnection() { OpenSet(DictConn, DictCmd, DictRs, ConnectMode::ReadWrite, TallixConnectionString()); }
void CloseTallixConnection() { CloseSet(TallixConn, TallixCmd, TallixRs); }
void CloseStatConnection() { CloseSet(StatConn, StatCmd, StatRs); }
void CloseDictConnection() { CloseSet(DictConn, DictCmd, DictRs); }

void CloseAll()
{
    CloseTallixConnection();
    CloseStatConnection();
    CloseDictConnection();
}

void ClearResultTables()
{
    OpenTallixConnection();
    try {
        for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"}) {
            TallixCmd->CommandText = QStringLiteral("Delete from ") + QLatin1String(table);
            TallixCmd->Execute();
        }
    } catch (...) {
        CloseTallixConnection();
        throw;
    }
    CloseTallixConnection();
}

void FillComboFromDictionary(ComboTarget& combo, const QString& tableName, std::int16_t typeCode)
{
    OpenDictConnection();
    try {
        DictCmd->CommandText = QStringLiteral("SELECT * FROM ") + tableName + QStringLiteral(" where type = ") +
                               QString::number(typeCode) + QStringLiteral(" ") + QStringLiteral("order by subtype");
        DictRs->Open(*DictCmd);
        if (DictRs->RecordCount() != 0) {
            DictRs->MoveFirst();
            combo.Clear();
            while (!DictRs->IsEOF()) {
                const QString text = DictRs->Value(0).toString().trimmed();
                const int data = Numeric::ToInt32(DictRs->Value(3).toString().trimmed());
                combo.AddItem(text, data);
                DictRs->MoveNext();
            }
            combo.SetListIndex(0);
        }
    } catch (...) {
        CloseDictConnection();
        throw;
    }
    CloseDictConnection();
}

void ExecuteTallixSql(const QString& sql)
{
    OpenDictConnection();
    try {
        DictCmd->CommandText = sql;
        DictCmd->Execute();
    } catch (...) {
        CloseDictConnection();
        throw;
    }
    CloseDictConnection();
}

std::unique_ptr<DbConnection> OpenPrintConnection()
{
    auto conn = std::make_unique<DbConnection>();
    conn->WriteAheadLog = true;
    conn->Open(BuildConnectionString(AppFolder() + QLatin1String(OwnDatabasePath)));
    return conn;
}

namespace {

// The engine's "=" on these columns ignores trailing blanks.
QString WithoutTrailingBlanks(const QString& code)
{
    qsizetype end = code.size();
    while (end > 0 && code[end - 1] == QLatin1Char(' '))
        --end;
    return code.left(end);
}

std::unique_ptr<QHash<QString, QString>> areaNames;
int areaNameCaches = 0;

} // namespace

AreaNameCache::AreaNameCache()
{
    ++areaNameCaches;
}

AreaNameCache::~AreaNameCache()
{
    if (--areaNameCaches == 0)
        areaNames.reset();
}

namespace {

// Read on the first name asked for, so a report that names no region reads nothing.
const QHash<QString, QString>& CachedAreaNames()
{
    if (areaNames)
        return *areaNames;
    auto names = std::make_unique<QHash<QString, QString>>();
    OpenStatConnection();
    try {
        StatCmd->CommandText = QStringLiteral("select Areacode, Areaname from Area");
        StatRs->Open(StatCmd->CommandText, *StatConn, Recordset::Cursor::Forward);
        for (StatRs->MoveFirst(); !StatRs->IsEOF(); StatRs->MoveNext()) {
            const QString code = WithoutTrailingBlanks(StatRs->Value(0).toString());
            if (!names->contains(code))
                names->insert(code, StatRs->Value(1).toString());
        }
    } catch (...) {
        CloseStatConnection();
        throw;
    }
    CloseStatConnection();
    areaNames = std::move(names);
    return *areaNames;
}

} // namespace

QString AreaName(const QString& regionCode)
{
    if (regionCode.isEmpty())
        return QStringLiteral("合计");
    if (areaNameCaches > 0)
        return CachedAreaNames().value(WithoutTrailingBlanks(regionCode));
    return RegionDirectory::Name(regionCode).value_or(QString());
}

QString UnitName(const QString& unitCode)
{
    if (unitCode.isEmpty())
        return QString();
    return RegionDirectory::EnterpriseName(unitCode).value_or(QString());
}

} // namespace Connection
