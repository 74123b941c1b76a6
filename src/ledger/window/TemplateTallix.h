#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Stored ledger configurations in the own database's table Aca. One configuration is a set
// of rows sharing its name in `condition`, told apart by a marker after the name: "!" (and
// its twin "*") one per column, "@" one per region, "#" one per enterprise, and the bare
// name for the period and the options. Each procedure opens the working set and closes it.
namespace Template {

// One column of a configuration: its caption, where it came from, and what it sums.
struct TallixItemRecord
{
    QString Item;
    QString Table;
    QString Dictable;
    QString FieldName;
    QString TableName;
};

// One region or enterprise of a configuration.
struct TallixRowRecord
{
    QString Code;
    QString Item;
};

// The captions of the chosen options, as the window shows them.
struct TallixSettings
{
    QString Year;
    QString Month;
    QString Classifaca; // unit type
    QString In;         // "旅游饭店" or "国内" when ticked
    QString Out;        // "其他" or "国际" when ticked
    QString Shu;        // comparison mode
    QString Group;      // by region or by enterprise
};

struct TallixConfiguration
{
    QList<TallixItemRecord> Items;
    QList<TallixRowRecord> Regions;
    QList<TallixRowRecord> Enterprises;
    // Missing when the name has no main row.
    std::optional<TallixSettings> Settings;
};

// The names of the stored configurations, each once, trimmed, in the order the table gives.
QStringList ListTallixConfigurations();

// Whether a configuration of exactly this name has its main row.
bool TallixConfigurationExists(const QString& name);

// The INSERT statements of a configuration: every "!" row, every "*" row, the "@" rows, the
// "#" rows, and last the main row. Values are trimmed.
QStringList TallixConfigurationInserts(const QString& name, const TallixConfiguration& configuration);
void InsertTallixConfiguration(const QString& name, const TallixConfiguration& configuration);

// The stored rows of a configuration, values trimmed. Items keeps the rows with an empty
// caption too: their origins still count by position.
TallixConfiguration ReadTallixConfiguration(const QString& name);

// Removes every row of a configuration, its "*" rows included.
QString DeleteTallixConfigurationSql(const QString& name);
void DeleteTallixConfiguration(const QString& name);

} // namespace Template
