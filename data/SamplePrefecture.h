#pragma once

#include "SampleGenerator.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <cstdint>
#include <functional>
#include <random>
#include <utility>

// The enterprises of one prefecture with all their returns: register rows, monthly hotel
// operations and the yearly returns of every kind, drawn from a random stream of its own so
// that a change elsewhere leaves this prefecture's rows as they were.
class SamplePrefecture
{
public:
    enum Table { Base01, Base04, Base05, Base06, Base08, Base09 };
    static constexpr Table Tables[] = {Base01, Base04, Base05, Base06, Base08, Base09};
    static QString TableName(Table table);
    // Column names in the order of the values handed to the insert.
    static QStringList Columns(Table table);

    using Insert = std::function<void(Table, const QVariantList&)>;

    struct Counts
    {
        int Hotels = 0;
        int OtherAccommodation = 0;
        int TravelAgencies = 0;
        int ScenicAreas = 0;
        int OtherEnterprises = 0;
    };
    // Running numbers over the whole sample: the first hotels and agencies of the sample cover
    // every group that the reports show.
    struct Sequence
    {
        int Hotel = 0;
        int Agency = 0;
    };

    SamplePrefecture(const SampleGenerator::Prefecture& prefecture, bool capital, int firstYear, int lastYear,
                     std::uint32_t seed, Insert insert);

    void Write(const Counts& counts, Sequence& sequence);

private:
    struct Placement
    {
        QString Region;
        QString Stem; // short place name that starts the enterprise name
    };
    struct Founding
    {
        int Year;
        int Month;
        QString Date;
    };

    Placement Place();
    std::pair<QString, QString> NewCode(const QString& head, const QString& region);
    Founding Found(bool anchor);
    double Growth(int year) const;
    void WriteLodging(bool hotel, int inPrefecture, int sequence);
    void WriteAgency(int inPrefecture, int sequence);
    void WriteScenicArea(int inPrefecture);
    void WriteOtherEnterprise(int inPrefecture);

    const SampleGenerator::Prefecture& prefecture_;
    bool capital_;
    int firstYear_;
    int lastYear_;
    std::mt19937 engine_;
    Insert insert_;
    QHash<QString, int> serials_; // per code head and region
    double inbound_ = 1.0;        // how much this prefecture draws guests from abroad
};
