-- The collection system's source database, as far as Orvane reads it. Orvane opens it
-- read-only; the sample generator, the tests and the benchmark write it.
-- Every name the hotel pass reads by name stands in exactly one of Base01, Base05, Base06.
--
-- The statements select a period with YEAR(TableDate) and MONTH(TableDate), which a plain
-- index on TableDate cannot serve; the indexes on those expressions can (YEAR and MONTH are
-- deterministic and registered on every connection of the program, so only a connection
-- without them, such as the sqlite3 shell, cannot write these tables).

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
-- A region selects its enterprises with "regionalismcode like '<prefix>%'"; the engine reads
-- such a LIKE as a range only over an index in NOCASE order, which for digits is the plain one.
-- The code and the two category columns ride along, so the annual passes and the ledger's
-- selection of enterprises never visit the register's rows.
CREATE INDEX Base01_regionalismcode ON Base01
    (regionalismcode COLLATE NOCASE, code, RegistrationType, TravelAgencyType);

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
CREATE INDEX Base04_code_Year_Month ON Base04 (code, YEAR(TableDate), MONTH(TableDate));

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
CREATE INDEX Base05_code_Year_Month ON Base05 (code, YEAR(TableDate), MONTH(TableDate));

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
CREATE INDEX Base06_code_Year_Month ON Base06 (code, YEAR(TableDate), MONTH(TableDate));

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
CREATE INDEX Base08_code_Year_Month ON Base08 (code, YEAR(TableDate), MONTH(TableDate));

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
CREATE INDEX Base09_code_Year_Month ON Base09 (code, YEAR(TableDate), MONTH(TableDate));

-- Item dictionaries of the ledger, one per return table (named in dic_ttallix.indextable).
CREATE TABLE dic_base04 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base05 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base06 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base08 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);
CREATE TABLE dic_base09 (content VARCHAR(100) COLLATE RTRIM, fieldname VARCHAR(254) COLLATE RTRIM);

-- The planner's picture of a source database at the scale of a whole country, as ANALYZE
-- would leave it there: about 40,000 enterprises, a dozen to a region code, one return per
-- enterprise and month (hotels) or year (the others). Without it SQLite's default guesses
-- walk the whole register for every region of the annual report. ANALYZE on real data
-- replaces these rows.
ANALYZE sqlite_schema;
INSERT INTO sqlite_stat1 (tbl, idx, stat) VALUES
    ('Area',   'Area_Areacode',           '3200 1'),
    ('Base01', 'Base01_code',             '40000 1'),
    ('Base01', 'Base01_regionalismcode',  '40000 12 1 1 1'),
    ('Base04', 'Base04_code_TableDate',   '30000 3 1'),
    ('Base04', 'Base04_code_Year_Month',  '30000 3 1 1'),
    ('Base05', 'Base05_TableDate_code',   '700000 20000 1'),
    ('Base05', 'Base05_code_TableDate',   '700000 36 1'),
    ('Base05', 'Base05_code_Year_Month',  '700000 36 12 1'),
    ('Base06', 'Base06_code_TableDate',   '60000 3 1'),
    ('Base06', 'Base06_code_Year_Month',  '60000 3 1 1'),
    ('Base08', 'Base08_code_TableDate',   '15000 3 1'),
    ('Base08', 'Base08_code_Year_Month',  '15000 3 1 1'),
    ('Base09', 'Base09_code_TableDate',   '9000 3 1'),
    ('Base09', 'Base09_code_Year_Month',  '9000 3 1 1');
