#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report hotel --year YYYY --month MM [--region CODE ...] [--regtype ...] [--star ...]
// [--category ...] [--open-year FROM:TO] [--rooms FROM:TO] ...: the hotel window's run.
namespace HotelCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
