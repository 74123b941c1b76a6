#pragma once

#include <QStringList>

// The audit of every region for one month and for its year, timed as the window runs it
// (register, returns, thresholds), with the findings of each rule.
namespace AuditBench {

constexpr double LimitMs = 2000;

// Prints the median of up to runs runs of each audit and the count per rule; an audit over
// the limit is added to missed.
void Run(int year, int month, int runs, QStringList& missed);

} // namespace AuditBench
