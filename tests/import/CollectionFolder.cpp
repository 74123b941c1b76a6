#include "CollectionFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace CollectionFolder {

namespace {

QString Output(const QStringList& arguments, QString* failure)
{
    QProcess process;
    process.start(QStringLiteral(ORVANE_PYTHON3), QStringList{QStringLiteral(ORVANE_COLLECTION_SCRIPT)} + arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        *failure = QStringLiteral("collection_folder.py %1 failed: %2")
                       .arg(arguments.join(QLatin1Char(' ')), QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

void Require(const QStringList& arguments)
{
    const QString failure = Script(arguments);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
}

} // namespace

QString Script(const QStringList& arguments)
{
    QString failure;
    Output(arguments, &failure);
    return failure;
}

void Export(const QString& sourceDatabase, const QString& folder)
{
    Require({QStringLiteral("export"), sourceDatabase, folder});
}

void Cases(const QString& folder)
{
    Require({QStringLiteral("cases"), folder});
}

void Formats(const QString& folder)
{
    Require({QStringLiteral("formats"), folder});
}

void Damage(const QString& kind, const QString& folder)
{
    Require({QStringLiteral("damage"), kind, folder});
}

QStringList SecondOpinion(const QString& table, const QString& encoding)
{
    QString failure;
    const QString text = Output({QStringLiteral("read"), table, encoding}, &failure);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace CollectionFolder
