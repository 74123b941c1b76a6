#include "CliArguments.h"

#include "CliError.h"

CliArguments::CliArguments(const QStringList& arguments, const QStringList& flags)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QStringLiteral("--")))
            throw CliError(QStringLiteral("多余的参数：") + a);
        const QString name = a.mid(2);
        if (flags.contains(name)) {
            flagsGiven_ << name;
            continue;
        }
        // "--pdf --csv x": the next option is no value (a file must not be named "--csv")
        if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QStringLiteral("--")))
            throw CliError(QStringLiteral("参数 ") + a + QStringLiteral(" 缺少取值"));
        options_.append({name, arguments[++i]});
    }
}

bool CliArguments::Has(const QString& name) const
{
    if (flagsGiven_.contains(name))
        return true;
    for (const auto& o : options_)
        if (o.first == name)
            return true;
    return false;
}

std::optional<QString> CliArguments::Value(const QString& name) const
{
    std::optional<QString> value;
    for (const auto& o : options_)
        if (o.first == name)
            value = o.second;
    return value;
}

QString CliArguments::Required(const QString& name) const
{
    const auto value = Value(name);
    if (!value)
        throw CliError(QStringLiteral("缺少参数 --") + name);
    return *value;
}

QStringList CliArguments::Values(const QString& name) const
{
    QStringList values;
    for (const auto& o : options_)
        if (o.first == name)
            values << o.second;
    return values;
}

void CliArguments::Allow(const QStringList& names) const
{
    for (const auto& o : options_)
        if (!names.contains(o.first))
            throw CliError(QStringLiteral("未知参数 --") + o.first);
    for (const auto& f : flagsGiven_)
        if (!names.contains(f))
            throw CliError(QStringLiteral("未知参数 --") + f);
}
