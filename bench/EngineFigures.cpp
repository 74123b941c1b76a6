#include "EngineFigures.h"

#include "HotelReport.h"
#include "TallixAreaData.h"
#include "TallixReport.h"
#include "TourUnitAreaData.h"
#include "TourUnitReport.h"

LowerBound::Figures EngineFigures::Hotel(const HotelReport& report)
{
    LowerBound::Figures figures;
    for (int i = 1; i <= report.Count(); ++i) {
        const auto item = report.Item(i);
        figures.insert(item->areacode.trimmed(),
                       {item->HotelNum, item->Rooms, item->RoomIncome, item->OperationIncome});
    }
    return figures;
}

LowerBound::Figures EngineFigures::Annual(const TourUnitReport& report)
{
    LowerBound::Figures figures;
    for (int i = 1; i <= report.Count(); ++i) {
        const auto item = report.Item(i);
        QVector<double> values;
        for (const TourUnitAreaIndex* category :
             {&item->TravelAgencyDataInternational, &item->TravelAgencyDataDomestic, &item->HotelDataDomestic,
              &item->HotelDataInternational, &item->TravelSpotData, &item->OthersCorpData})
            values << category->TourUnitNum << category->OperationIncome;
        figures.insert(item->areacode.trimmed(), values);
    }
    return figures;
}

LowerBound::Figures EngineFigures::Ledger(const TallixReport& report, bool previous)
{
    LowerBound::Figures figures;
    for (int i = 1; i <= report.Count(); ++i) {
        const auto row = report.Item(i);
        QVector<double> values;
        for (int c = 0; c < row->ColumnCount(); ++c)
            values << row->Item(static_cast<std::int16_t>(c)).SumValueNew;
        if (previous)
            for (int c = 0; c < row->ColumnCount(); ++c)
                values << row->Item(static_cast<std::int16_t>(c)).SumValueOld;
        figures.insert(row->code.trimmed(), values);
    }
    return figures;
}
