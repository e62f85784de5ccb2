-- Summary bill amounts become numbers. They were kept as the texts the bill window
-- shows ("\1,234"), which no query can add up: the currency sign, the thousands
-- separators and spaces are dropped, and an empty text becomes 0.
CREATE TABLE 合計請求_upgrade (
    UserCode   TEXT    NOT NULL,
    Number     TEXT    NOT NULL,
    DocType    INTEGER NOT NULL,
    PrvPrice   REAL    DEFAULT 0,
    Receive    REAL    DEFAULT 0,
    CarryOver  REAL    DEFAULT 0,
    Total      REAL    DEFAULT 0,
    Excise     REAL    DEFAULT 0,
    Price      REAL    DEFAULT 0,
    TotalPrice REAL    DEFAULT 0,
    Papers     INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, DocType)
);
INSERT INTO 合計請求_upgrade (UserCode, Number, DocType, PrvPrice, Receive, CarryOver,
    Total, Excise, Price, TotalPrice, Papers)
SELECT UserCode, Number, DocType,
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(PrvPrice, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(Receive, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(CarryOver, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(Total, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(Excise, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(Price, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    COALESCE(CAST(NULLIF(TRIM(REPLACE(REPLACE(REPLACE(REPLACE(TotalPrice, '\', ''), '¥', ''), '￥', ''), ',', '')), '') AS REAL), 0),
    Papers
FROM 合計請求;
DROP TABLE 合計請求;
ALTER TABLE 合計請求_upgrade RENAME TO 合計請求;
