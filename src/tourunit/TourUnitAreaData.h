#pragma once

#include "ResultRow.h"

#include "TourUnitAreaIndex.h"

#include <QString>
#include <QStringList>

// One region of the tourism units annual report: its six enterprise categories, the three
// combined views, and the writers of its rows in the annual result tables.
class TourUnitAreaData
{
public:
    QString areacode; // empty for the total of all regions

    TourUnitAreaIndex TravelAgencyDataInternational;
    TourUnitAreaIndex TravelAgencyDataDomestic;
    TourUnitAreaIndex HotelDataDomestic;
    TourUnitAreaIndex HotelDataInternational;
    TourUnitAreaIndex TravelSpotData;
    TourUnitAreaIndex OthersCorpData;

    // Snapshots: built afresh on every call, so later changes of the sums leave them as read.
    TourUnitAreaIndex AllAgencyData() const;
    TourUnitAreaIndex TravelAgencyData() const;
    TourUnitAreaIndex TravelRestaurantData() const;

    // A region is never reused for a second run, so there is nothing to reset.
    void Clear() {}
    // Indicators are computed when read.
    void AutoCalculate() {}

    // Adds every category of source into dest; dest keeps its region code.
    static void AddTourUnitAreaData(TourUnitAreaData& dest, const TourUnitAreaData& source);

    // This region's row of each of the twelve per-region tables, 2-1-1A to 2-1-1D, then 2-1-2 to 2-1-9.
    void Save() const;
    // One row each, labelled with the region's name (the trimmed Areaname, "合计" for the total).
    void SaveT211A(const QString& name) const;
    void SaveT211B(const QString& name) const;
    void SaveT211C(const QString& name) const;
    void SaveT211D(const QString& name) const;
    void SaveT2_2(const QString& name) const;
    void SaveT2_3(const QString& name) const;
    void SaveT2_4(const QString& name) const;
    void SaveT2_5(const QString& name) const;
    void SaveT2_6(const QString& name) const;
    void SaveT2_7(const QString& name) const;
    void SaveT2_8(const QString& name) const;
    void SaveT2_9(const QString& name) const;

    // The twelve quantities of one category as the tables 2-1-1 to 2-1-9 print them.
    static QStringList CategoryBlock(const TourUnitAreaIndex& index);
    // columnList + "values ('" + the values joined by "','" + "','" + tableCode + "')",
    // every value made safe to stand between apostrophes.
    static QString InsertStatement(const QString& columnList, const QStringList& values,
                                   const QString& tableCode);
    // The same line as a row the result tables take.
    static ResultRow InsertRow(const QString& columnList, const QStringList& values);

    static const QString Type22Columns;
    static const QString Type44Columns;
    static const QString Type66Columns;

private:
    // value1 of every per-region row: the trimmed region name ("合计" for the total).
    QString RegionName() const;
    // One row of 2-1-1A, 2-1-1B or 2-1-1C: one quantity of the nine categories and views.
    void SaveNineCategories(const QString& name, double (*quantity)(const TourUnitAreaIndex&),
                            const QString& tableCode) const;
    void SaveBlockRow(const QString& name, const TourUnitAreaIndex& index, const QString& tableCode) const;
};
