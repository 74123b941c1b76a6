#include "AuditRules.h"

namespace AuditRules {

const std::vector<Rule>& All()
{
    static const std::vector<Rule> rules = {
        {"R01", QStringLiteral("地区码为空或不在 Area 中"), Scope::Register},
        {"R02", QStringLiteral("饭店没有可用的客房数"), Scope::Register},
        {"R03", QStringLiteral("星级或登记注册类型不在报表分组之内"), Scope::Register},
        {"R04", QStringLiteral("没有开业日期"), Scope::Register},
        {"M01", QStringLiteral("登记的饭店没有本月月报"), Scope::Month},
        {"M02", QStringLiteral("出租率超过 100%"), Scope::Month},
        {"M03", QStringLiteral("可出租间天数超过客房数×当月天数"), Scope::Month},
        {"M04", QStringLiteral("月报的数值为负数"), Scope::Month},
        {"M05", QStringLiteral("平均房价过低或过高（元与万元之误）"), Scope::Month},
        {"M06", QStringLiteral("国内过夜人数或客房收入比上月变化过半"), Scope::Month},
        {"M07", QStringLiteral("有客人无出租间天数，或有出租间天数无客房收入"), Scope::Month},
        {"M08", QStringLiteral("同一企业同一月份有两份报表"), Scope::Any},
        {"A01", QStringLiteral("登记的企业没有本年年报"), Scope::Year},
        {"A02", QStringLiteral("利润总额大于营业收入"), Scope::Year},
        {"A03", QStringLiteral("有营业收入而年末从业人员为零"), Scope::Year},
    };
    return rules;
}

int IndexOf(const QString& id)
{
    const auto& rules = All();
    for (std::size_t i = 0; i < rules.size(); ++i)
        if (id.compare(QLatin1String(rules[i].Id), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

bool Applies(const Rule& rule, bool monthly)
{
    switch (rule.When) {
    case Scope::Month:
        return monthly;
    case Scope::Year:
        return !monthly;
    default:
        return true;
    }
}

QStringList Counted()
{
    return {QStringLiteral("R01"), QStringLiteral("R02"), QStringLiteral("R03"), QStringLiteral("M08")};
}

} // namespace AuditRules

QString AuditFinding::RuleId() const
{
    return QLatin1String(AuditRules::All()[static_cast<std::size_t>(Rule)].Id);
}

QString AuditFinding::Caption() const
{
    return AuditRules::All()[static_cast<std::size_t>(Rule)].Caption;
}

QString AuditFinding::Line() const
{
    QStringList fields{Code, Name, Region, RuleId(), Caption(), Value};
    for (QString& f : fields)
        f.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return fields.join(QLatin1Char('\t'));
}
