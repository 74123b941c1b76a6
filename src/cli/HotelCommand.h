#pragma once

#include <QStringList>
#include <QTextStream>

// orvane-report hotel ...: see the README.
namespace HotelCommand {
int Run(const QStringList& arguments, QTextStream& out);
}
