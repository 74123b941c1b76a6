-- The program's own database: saved conditions, region sets, ledger configurations,
-- report dictionaries and the six result tables. Text compares ignore trailing blanks.
-- Tables filled by inserts without a column list keep their column order.

CREATE TABLE Condition (
    Year            VARCHAR(10)  COLLATE RTRIM,
    Month           VARCHAR(10)  COLLATE RTRIM,
    Regtype         VARCHAR(10)  COLLATE RTRIM,
    Starlevel       VARCHAR(6)   COLLATE RTRIM,
    Opendate        VARCHAR(60)  COLLATE RTRIM,
    Rooms           VARCHAR(60)  COLLATE RTRIM,
    Operationincome VARCHAR(60)  COLLATE RTRIM,
    Profittotal     VARCHAR(60)  COLLATE RTRIM,
    Fixedasset      VARCHAR(60)  COLLATE RTRIM,
    Hirerate        VARCHAR(60)  COLLATE RTRIM,
    Receptionnum    VARCHAR(60)  COLLATE RTRIM,
    Incomeper       VARCHAR(60)  COLLATE RTRIM,
    Profitper       VARCHAR(60)  COLLATE RTRIM,
    Statistictype   VARCHAR(5)   COLLATE RTRIM,
    conditionname   VARCHAR(100) COLLATE RTRIM
);

CREATE TABLE Area (
    Areacode      VARCHAR(10)  COLLATE RTRIM,
    Areaname      VARCHAR(100) COLLATE RTRIM,
    conditionname VARCHAR(100) COLLATE RTRIM
);
CREATE INDEX Area_conditionname ON Area (conditionname);

CREATE TABLE namesave (
    savename VARCHAR(100) COLLATE RTRIM
);

CREATE TABLE addsave (
    areacode VARCHAR(10)  COLLATE RTRIM,
    areaname VARCHAR(100) COLLATE RTRIM,
    savename VARCHAR(100) COLLATE RTRIM,
    saveyear VARCHAR(10)  COLLATE RTRIM
);

CREATE TABLE Aca (
    condition  VARCHAR(101) COLLATE RTRIM,
    item       VARCHAR(100) COLLATE RTRIM,
    "table"    VARCHAR(100) COLLATE RTRIM,
    dictable   VARCHAR(100) COLLATE RTRIM,
    fieldname  VARCHAR(254) COLLATE RTRIM,
    tablename  VARCHAR(100) COLLATE RTRIM,
    code       VARCHAR(20)  COLLATE RTRIM,
    year       VARCHAR(10)  COLLATE RTRIM,
    month      VARCHAR(10)  COLLATE RTRIM,
    classifaca VARCHAR(20)  COLLATE RTRIM,
    "in"       VARCHAR(20)  COLLATE RTRIM,
    "out"      VARCHAR(20)  COLLATE RTRIM,
    shu        VARCHAR(20)  COLLATE RTRIM,
    "group"    VARCHAR(20)  COLLATE RTRIM
);
CREATE INDEX Aca_condition ON Aca (condition);

-- Report titles: the first column is the text of the choice lists, the fourth a whole number.
CREATE TABLE dic_tablename (
    tablename VARCHAR(100) COLLATE RTRIM,
    TableCode VARCHAR(10)  COLLATE RTRIM,
    type      INTEGER,
    subtype   INTEGER
);

CREATE TABLE dic_fields (
    TableCode VARCHAR(10)  COLLATE RTRIM,
    content   VARCHAR(100) COLLATE RTRIM,
    "order"   INTEGER
);

CREATE TABLE dic_ttallix (
    unittype   INTEGER,
    tablename  VARCHAR(50)  COLLATE RTRIM,
    tabletitle VARCHAR(100) COLLATE RTRIM,
    indextable VARCHAR(50)  COLLATE RTRIM
);

-- What the last run computed (one row, written with the result rows); lists one entry a line.
CREATE TABLE ReportRun (
    analysis     VARCHAR(40)  COLLATE RTRIM,
    period       VARCHAR(20)  COLLATE RTRIM,
    regions      TEXT         COLLATE RTRIM,
    byenterprise INTEGER,
    conditions   TEXT         COLLATE RTRIM,
    ledgermode   VARCHAR(20)  COLLATE RTRIM,
    unittype     VARCHAR(40)  COLLATE RTRIM,
    captions     TEXT         COLLATE RTRIM,
    runtime      VARCHAR(19)  COLLATE RTRIM
);

-- Result tables: one row per printed line, every value as text.
CREATE TABLE type11 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(10) COLLATE RTRIM, value3 VARCHAR(10) COLLATE RTRIM,
    value4 VARCHAR(10) COLLATE RTRIM, value5 VARCHAR(10) COLLATE RTRIM, value6 VARCHAR(20) COLLATE RTRIM,
    value7 VARCHAR(20) COLLATE RTRIM, value8 VARCHAR(20) COLLATE RTRIM, value9 VARCHAR(20) COLLATE RTRIM,
    tablecode VARCHAR(254) COLLATE RTRIM
);

CREATE TABLE type22 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(100) COLLATE RTRIM, value3 VARCHAR(100) COLLATE RTRIM,
    value4 VARCHAR(100) COLLATE RTRIM, value5 VARCHAR(100) COLLATE RTRIM, value6 VARCHAR(100) COLLATE RTRIM,
    value7 VARCHAR(100) COLLATE RTRIM, value8 VARCHAR(100) COLLATE RTRIM, value9 VARCHAR(100) COLLATE RTRIM,
    value10 VARCHAR(100) COLLATE RTRIM, value11 VARCHAR(100) COLLATE RTRIM, value12 VARCHAR(100) COLLATE RTRIM,
    tablecode VARCHAR(100) COLLATE RTRIM
);

CREATE TABLE type33 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(100) COLLATE RTRIM, value3 VARCHAR(100) COLLATE RTRIM,
    value4 VARCHAR(100) COLLATE RTRIM, value5 VARCHAR(100) COLLATE RTRIM, value6 VARCHAR(100) COLLATE RTRIM,
    value7 VARCHAR(100) COLLATE RTRIM,
    tablecode VARCHAR(4) COLLATE RTRIM
);

CREATE TABLE type44 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(100) COLLATE RTRIM, value3 VARCHAR(100) COLLATE RTRIM,
    value4 VARCHAR(100) COLLATE RTRIM, value5 VARCHAR(100) COLLATE RTRIM, value6 VARCHAR(100) COLLATE RTRIM,
    value7 VARCHAR(100) COLLATE RTRIM, value8 VARCHAR(100) COLLATE RTRIM, value9 VARCHAR(100) COLLATE RTRIM,
    value10 VARCHAR(100) COLLATE RTRIM, value11 VARCHAR(100) COLLATE RTRIM,
    tablecode VARCHAR(10) COLLATE RTRIM
);

CREATE TABLE type55 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(100) COLLATE RTRIM, value3 VARCHAR(100) COLLATE RTRIM,
    value4 VARCHAR(100) COLLATE RTRIM, value5 VARCHAR(100) COLLATE RTRIM, value6 VARCHAR(100) COLLATE RTRIM,
    value7 VARCHAR(100) COLLATE RTRIM, value8 VARCHAR(100) COLLATE RTRIM,
    tablecode VARCHAR(4) COLLATE RTRIM
);

CREATE TABLE type66 (
    value1 VARCHAR(100) COLLATE RTRIM, value2 VARCHAR(100) COLLATE RTRIM, value3 VARCHAR(100) COLLATE RTRIM,
    value4 VARCHAR(100) COLLATE RTRIM, value5 VARCHAR(100) COLLATE RTRIM, value6 VARCHAR(100) COLLATE RTRIM,
    value7 VARCHAR(100) COLLATE RTRIM, value8 VARCHAR(100) COLLATE RTRIM, value9 VARCHAR(100) COLLATE RTRIM,
    value10 VARCHAR(100) COLLATE RTRIM, value11 VARCHAR(100) COLLATE RTRIM, value12 VARCHAR(100) COLLATE RTRIM,
    value13 VARCHAR(100) COLLATE RTRIM,
    tablecode VARCHAR(100) COLLATE RTRIM
);

-- The audit's limits an office may change; a limit without a row keeps its default.
CREATE TABLE AuditThreshold (
    Name  VARCHAR(40) COLLATE RTRIM,
    Value REAL
);
