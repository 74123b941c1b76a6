#include "DatabaseContainer.h"

#include "ImportError.h"
#include "XbaseTable.h"

#include <map>

DatabaseContainer::DatabaseContainer(const QString& path, const QString& fallbackCharset)
{
    XbaseTable table(path, fallbackCharset);
    int id = -1, parent = -1, type = -1, name = -1;
    const std::vector<int>& data = table.DataFields();
    for (std::size_t i = 0; i < data.size(); ++i) {
        const QString& field = table.Fields()[static_cast<std::size_t>(data[i])].Name;
        for (auto [wanted, slot] : {std::pair{"OBJECTID", &id}, {"PARENTID", &parent}, {"OBJECTTYPE", &type},
                                    {"OBJECTNAME", &name}})
            if (field.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                *slot = static_cast<int>(i);
    }
    if (id < 0 || parent < 0 || type < 0 || name < 0)
        throw ImportError::InRecord(table.Name(), 0, QString(),
                                    QStringLiteral("不是数据库容器：缺少 OBJECTID、PARENTID、OBJECTTYPE 或 OBJECTNAME"));

    std::map<long long, QString> tables; // object id -> table name
    std::vector<std::pair<long long, QString>> fields; // parent id, long name, in record order
    std::vector<XbaseValue> values;
    for (std::uint32_t r = 0; r < table.RecordCount(); ++r) {
        if (table.IsDeleted(r))
            continue;
        table.Read(r, values);
        const auto text = [&](int i) {
            return QString::fromUtf8(values[static_cast<std::size_t>(i)].text).trimmed();
        };
        const auto number = [&](int i) {
            const XbaseValue& v = values[static_cast<std::size_t>(i)];
            return v.kind == XbaseValue::Kind::Number ? static_cast<long long>(v.number) : -1LL;
        };
        const QString kind = text(type);
        if (kind.compare(QLatin1String("Table"), Qt::CaseInsensitive) == 0)
            tables[number(id)] = text(name);
        else if (kind.compare(QLatin1String("Field"), Qt::CaseInsensitive) == 0)
            fields.emplace_back(number(parent), text(name));
    }
    for (const auto& [object, tableName] : tables)
        fields_.insert(tableName.toLower(), QStringList());
    for (const auto& [owner, field] : fields) {
        const auto it = tables.find(owner);
        if (it != tables.end())
            fields_[it->second.toLower()].append(field);
    }
}
