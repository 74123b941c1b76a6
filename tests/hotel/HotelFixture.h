#pragma once

#include <QString>
#include <utility>
#include <vector>

class TempAppFolder;

// The window's lists (sixteen registration codes, stars 0 to 5) keep B1013, B2017 and B2018
// out of the query; wider lists (the command line allows them) let them in.
//
// A small source database for the hotel analysis, December 2025 (and a few returns of other
// months that must not count). Regions: 湖南省 430000 with 长沙市 430100 (芙蓉区 430102,
// 天心区 430103, 长沙县 430121) and "Zhuzhou's 市" 430200; 广东省 440000 with 广州市 440100.
//
//  code   region  reg  rooms star  notes
//  B1001  430102  110  520   5     RoomIncome 12.5 (12 in its groups)
//  B1002  430102  120  310   4     RoomIncome 13.5 (14 in its groups), YearendEmployment 100.5
//  B2003  430102  130  250   3
//  B1004  430103  140  150   2
//  B3005  430103  150  99    1
//  B4006  430100  160  0     0     no room-days: occupancy 0
//  B9007  430121  170  100   0
//  B1008  430121  190  200   3
//  B1009  430121  210  300   4     finance return of November only
//  B1010  430121  220  499   5     no finance return; all 31 countries; RealRoomDay 11000.5
//  B1011  430202  230  500   3
//  B1012  430202  240  NULL  2
//  B1013  430203  310  120   7     star outside 0 to 5
//  B1014  430203  320  80    1
//  B2015  430211  330  60    0
//  B2016  430211  340  45    0
//  B2017  430211  180  30    0     registration type outside the sixteen
//  B2018  430211  250  20    0     registration type outside the sixteen
//  B1019  440103  110  200   4
//  B5020  440103  110  40    0     category B5: never admitted
//  B1021  430102  110  150   3     returns of November 2025 only
void LoadHotelFixture(const TempAppFolder& folder);

// The reference runs of orvane-report hotel over this database: the name of each reference
// (tests/hotel/reference/<name>.txt) and the options after "--year|2025|--month|12|".
std::vector<std::pair<const char*, const char*>> HotelReferenceRuns();

// Every result table as stored: a line "## select * from typeNN", then its rows.
QString ResultTables(const TempAppFolder& folder);

// Compares with tests/<relative>; a missing or differing reference fails, and the actual text
// is left in the temporary folder for a reviewer to compare.
void ExpectReference(const QString& relative, const QString& actual);
