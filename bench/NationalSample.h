#pragma once

#include "SampleGenerator.h"

// The source database of a whole country for the benchmark: the 31 provinces under their
// real codes and names, some 340 prefectures and 2,800 counties with invented names, and
// enterprises and returns at the scale a national office works with.
class NationalSample
{
public:
    static constexpr int Provinces = 31;

    // The same configuration on every call and every platform.
    static SampleGenerator::Config Config();

    // Prefectures and counties over the whole country.
    static int PrefectureCount(const SampleGenerator::Config& config);
    static int CountyCount(const SampleGenerator::Config& config);
};
