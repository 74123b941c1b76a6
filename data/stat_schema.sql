-- The collection system's source database, as far as Orvane reads it. Orvane opens it
-- read-only; the sample generator, the tests and the benchmark write it.
-- Every name the hotel pass reads by name stands in exactly one of Base01, Base05, Base06.

CREATE TABLE Area (
    Areacode VARCHAR(6)  COLLATE RTRIM,
    Areaname VARCHAR(60) COLLATE RTRIM
);
CREATE UNIQUE INDEX Area_Areacode ON Area (Areacode);

-- The enterprise register.
CREATE TABLE Base01 (
    code              VARCHAR(20)  COLLATE RTRIM,
    unitname          VARCHAR(100) COLLATE RTRIM,
    regionalismcode   VARCHAR(6)   COLLATE RTRIM,
    RegistrationType  VARCHAR(3)   COLLATE RTRIM,
    TravelAgencyType  VARCHAR(1)   COLLATE RTRIM,
    Rooms             INTEGER,
    Beds              INTEGER,
    UnitType          VARCHAR(10)  COLLATE RTRIM,
    AccommodationStar VARCHAR(1)   COLLATE RTRIM,
    OpenDate          DATE
);
CREATE UNIQUE INDEX Base01_code ON Base01 (code);
CREATE INDEX Base01_regionalismcode ON Base01 (regionalismcode);

-- Travel agencies, yearly returns.
CREATE TABLE Base04 (
    code                    VARCHAR(20) COLLATE RTRIM,
    TableDate               DATE,
    FixAssetsInitialPrice   REAL,
    AccumulatedDepreciation REAL,
    OperationIncome         REAL,
    ProfitTotal             REAL,
    OperationTaxAddition    REAL,
    YearendEmployment       REAL,
    OrganizeGroups          INTEGER,
    OrganizePersons         INTEGER,
    ReceptionPersons        INTEGER,
    ReceptionDays           INTEGER
);
CREATE INDEX Base04_code_TableDate ON Base04 (code, TableDate);

-- Hotels, monthly operations.
CREATE TABLE Base05 (
    code             VARCHAR(20) COLLATE RTRIM,
    TableDate        DATE,
    InTourist        INTEGER,
    InTouristDay     INTEGER,
    TWer             INTEGER,
    TWerDay          INTEGER,
    Macaoer          INTEGER,
    MacaoerDay       INTEGER,
    HKer             INTEGER,
    HkerDay          INTEGER,
    ForeignDay       INTEGER,
    Japan INTEGER, Korea INTEGER, Mongolia INTEGER, Indonesia INTEGER, Malaysia INTEGER,
    Philippines INTEGER, Singapore INTEGER, Thailand INTEGER, India INTEGER, Vietnam INTEGER,
    Burma INTEGER, NKorea INTEGER, Pakistan INTEGER, OAs INTEGER, Britain INTEGER,
    France INTEGER, Germany INTEGER, Italy INTEGER, Swiss INTEGER, Sweden INTEGER,
    Russia INTEGER, Spain INTEGER, OEu INTEGER, USA INTEGER, Canada INTEGER,
    OAm INTEGER, Australia INTEGER, NewZealand INTEGER, OO INTEGER, Africa INTEGER,
    Other INTEGER,
    RoomIncome       REAL,
    RestaurantIncome REAL,
    OtherIncome      REAL,
    RealRoomDay      INTEGER,
    CheckRoomDay     INTEGER
);
CREATE INDEX Base05_TableDate_code ON Base05 (TableDate, code);
CREATE INDEX Base05_code_TableDate ON Base05 (code, TableDate);

-- Hotels, finance (monthly or yearly).
CREATE TABLE Base06 (
    code                    VARCHAR(20) COLLATE RTRIM,
    TableDate               DATE,
    FixAssetsInitialPrice   REAL,
    AccumulatedDepreciation REAL,
    FixAssetsTotal          REAL,
    OperationIncome         REAL,
    ProfitTotal             REAL,
    OperationTaxAddition    REAL,
    YearendEmployment       REAL
);
CREATE INDEX Base06_code_TableDate ON Base06 (code, TableDate);

-- Scenic areas, yearly returns.
CREATE TABLE Base08 (
    code                 VARCHAR(20) COLLATE RTRIM,
    TableDate            DATE,
    fixcapitalorigin     REAL,
    OperationIncome      REAL,
    ProfitTotal          REAL,
    OperationTaxAddition REAL,
    yearendemployee      REAL,
    VisitorNum           INTEGER,
    TicketIncome         REAL
);
CREATE INDEX Base08_code_TableDate ON Base08 (code, TableDate);

-- Other tourism enterprises, yearly returns.
CREATE TABLE Base09 (
    code                 VARCHAR(20) COLLATE RTRIM,
    TableDate            DATE,
    fixcapitalorigin     REAL,
    OperationIncome      REAL,
    ProfitTotal          REAL,
    OperationTaxAddition REAL,
    yearendemployee      REAL,
    VisitorNum           INTEGER,
    ServiceIncome        REAL
);
CREATE INDEX Base09_code_TableDate ON Base09 (code, TableDate);

-- Item dictionaries of the ledger, one per return table (named in dic_ttallix.indextable).
CREATE TABLE dic_base04 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base05 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base06 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base08 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base09 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
