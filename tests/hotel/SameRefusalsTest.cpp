// The window's range groups and the command's range options are one table: each group
// refuses the same text and the same reversed bounds with the same message in both.
#include "CliError.h"
#include "HotelCommand.h"
#include "HotelRanges.h"
#include "HotelWindowHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTextStream>

namespace {

QString CommandRefusal(const QString& option, const QString& value)
{
    QString printed;
    QTextStream out(&printed);
    try {
        HotelCommand::Run({"--year", "2025", "--month", "12", "--region", "43", "--" + option, value}, out);
    } catch (const CliError& e) {
        return e.Message();
    }
    return QString();
}

TEST_F(HotelWindowTest, EveryRangeGroupRefusesAsTheCommandLineDoes)
{
    for (const HotelRanges::Rule& rule : HotelRanges::Rules()) {
        const QString option = QString::fromLatin1(rule.Option);
        SCOPED_TRACE(option.toStdString());
        const bool year = rule.Position == HotelRanges::OpenYear;
        const QString low = year ? QStringLiteral("2010") : QStringLiteral("100");
        const QString high = year ? QStringLiteral("2020") : QStringLiteral("300");
        const QString combo = Window().RangeGroups()[rule.Position].Combo->objectName();

        // a text the boxes refuse as they are left
        messages.clear();
        SetRange(combo, InputRules::AtLeast, QStringLiteral("12x"));
        Tab();
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.last(), rule.Refusal);
        EXPECT_EQ(CommandRefusal(option, QStringLiteral("12x:")), rule.Refusal);

        // bounds the wrong way round, refused when the run starts
        Reload();
        TypePeriod();
        AddRegion(QStringLiteral("43"));
        SetRange(combo, InputRules::Between, high, low);
        messages.clear();
        Click(QStringLiteral("cmdExec"));
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.last(), InputRules::RangeReversedMessage);
        EXPECT_EQ(CommandRefusal(option, high + QLatin1Char(':') + low), InputRules::RangeReversedMessage);
        Reload();
    }
}

} // namespace
