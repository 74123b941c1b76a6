#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The options of one command: "--name value" pairs (a name may repeat) and bare flags.
class CliArguments
{
public:
    // flags: the option names that take no value.
    CliArguments(const QStringList& arguments, const QStringList& flags = {});

    bool Has(const QString& name) const;
    std::optional<QString> Value(const QString& name) const; // the last one given
    QString Required(const QString& name) const;             // CliError when missing
    QStringList Values(const QString& name) const;           // every one given, in order
    // Fails on any option not named here.
    void Allow(const QStringList& names) const;

private:
    QList<QPair<QString, QString>> options_;
    QStringList flagsGiven_;
};
