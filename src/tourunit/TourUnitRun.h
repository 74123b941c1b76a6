#pragma once

#include "ReportRun.h"

#include <QStringList>
#include <cstdint>

// What an annual run computed: the year and the regions; the annual report has no conditions.
namespace TourUnitRun {

ReportRun Describe(std::int16_t year, const QStringList& regionCodes);

} // namespace TourUnitRun
