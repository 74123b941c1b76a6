#pragma once

#include "Command.h"
#include "DbConnection.h"
#include "Recordset.h"

#include <QString>
#include <cstdint>
#include <memory>

class ComboTarget;

// Where the two databases lie and the shared sets of connection, command and recordset
// through which the windows reach them. A set is opened at the start of one user action
// and closed at its end; nothing stays open between two actions.
namespace Connection {

// The application folder (default: the executable's folder), without a trailing "/".
void SetAppFolder(const QString& folder);
QString AppFolder();

inline const char* const OwnDatabasePath = "/TallixDataBase/tallix.dbc";
inline const char* const OwnDatabaseFolder = "/TallixDataBase";
inline const char* const SourceDatabasePath = "/Database/stat.dbc";
inline const char* const PackagePath = "/tallix.she";

QString BuildConnectionString(const QString& path);
QString TallixConnectionString();
QString StatConnectionString();

// The working set (own database, read/write), the source set (read only) and the
// dictionary set (own database, used by FillComboFromDictionary and ExecuteTallixSql).
extern std::unique_ptr<DbConnection> TallixConn;
extern std::unique_ptr<Command> TallixCmd;
extern std::unique_ptr<Recordset> TallixRs;
extern std::unique_ptr<DbConnection> StatConn;
extern std::unique_ptr<Command> StatCmd;
extern std::unique_ptr<Recordset> StatRs;
extern std::unique_ptr<DbConnection> DictConn;
extern std::unique_ptr<Command> DictCmd;
extern std::unique_ptr<Recordset> DictRs;

void OpenTallixConnection();
void OpenStatConnection();
void OpenDictConnection();
void CloseTallixConnection();
void CloseStatConnection();
void CloseDictConnection();

// Closes whichever sets are open; for handlers that leave early on an error.
void CloseAll();

// Empties the six result tables type11 to type66.
void ClearResultTables();

// Fills a choice list from "SELECT * FROM <table> where type = <n> order by subtype": the
// trimmed first column as text, the trimmed fourth as item data. No rows: the list stays.
void FillComboFromDictionary(ComboTarget& combo, const QString& tableName, std::int16_t typeCode);

// Runs one statement on the own database; it takes effect at once.
void ExecuteTallixSql(const QString& sql);

// A connection of its own to the own database, for the print window.
std::unique_ptr<DbConnection> OpenPrintConnection();

// Region name from the source Area table: "合计" for the empty code, "" for an unknown one.
QString AreaName(const QString& regionCode);

// While one lives, AreaName answers from a single read of the Area table instead of a
// statement per region: a report of thousands of regions names every one of them.
class AreaNameCache
{
public:
    AreaNameCache();
    ~AreaNameCache();
    AreaNameCache(const AreaNameCache&) = delete;
    AreaNameCache& operator=(const AreaNameCache&) = delete;
};
// Enterprise name from Base01: "" for the empty or an unknown code.
QString UnitName(const QString& unitCode);

} // namespace Connection
