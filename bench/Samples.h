#pragma once

#include <vector>

// Durations of repeated runs of one measurement, in milliseconds.
class Samples
{
public:
    void Add(double milliseconds) { values_.push_back(milliseconds); }
    int Count() const { return static_cast<int>(values_.size()); }
    // The middle value (the mean of the two middle ones for an even count); 0 without runs.
    double Median() const;

private:
    std::vector<double> values_;
};
