-- Kivora layout database (Kivora1.MDB): every printed page is described by
-- rows of these tables and drawn by the one print engine. The program only
-- reads them, the layout rows themselves are delivered separately. This
-- script builds the empty tables.
--
-- Conventions:
--   * Codes, item numbers, alignments, formatting kinds, pen values and
--     counts are INTEGER. The yes/no columns Duplicate and LabelPos are
--     INTEGER 0/1.
--   * Coordinates and distances are REAL millimetres, font sizes REAL points.
--   * Lists of item codes (1/2/3) and printed texts are TEXT.
--   * Every lookup is by code inserted as a number, so each family gets an
--     index on the column(s) of its WHERE / ORDER BY.
--   * Key columns are NOT NULL, other columns default to 0 or empty text.
--   * The loader splits statements at a terminator at the end of a line, so
--     no comment or string literal in this file contains one.

-- ---------------------------------------------------------------------------
-- Documents
-- ---------------------------------------------------------------------------

-- One row per document layout. The print dialog lists the layouts of one
-- document type in Code order. Layout (0/-1) marks copy blocks of receipts
-- and bills.
CREATE TABLE 伝票種類 (
    Code        INTEGER NOT NULL,
    DocType     INTEGER DEFAULT 0,
    Name        TEXT    DEFAULT '',
    Duplicate   INTEGER DEFAULT 0,
    ItemCode    INTEGER DEFAULT 0,
    LineCode    INTEGER DEFAULT 0,
    FixItemCode INTEGER DEFAULT 0,
    Block       INTEGER DEFAULT 1,
    Rows        INTEGER DEFAULT 0,
    RowHeight   REAL    DEFAULT 0,
    FontSize    REAL    DEFAULT 0,
    Layout      TEXT    DEFAULT '',
    PRIMARY KEY (Code)
);

-- The print dialog lists the layouts of one DocType in Code order.
CREATE INDEX IX_伝票種類_DocType ON 伝票種類 (DocType, Code);

-- Items printed per block of a layout, read by Code and Block.
CREATE TABLE 伝票項目 (
    Code      INTEGER NOT NULL,
    Block     INTEGER NOT NULL,
    PrintItem TEXT    DEFAULT ''
);

CREATE INDEX IX_伝票項目_Code ON 伝票項目 (Code, Block);

-- Position of each item code, read by Code in ItemNo order.
CREATE TABLE 伝票位置 (
    Code     INTEGER NOT NULL,
    ItemNo   INTEGER NOT NULL,
    X1       REAL    DEFAULT 0,
    X2       REAL    DEFAULT 0,
    Y1       REAL    DEFAULT 0,
    Align    INTEGER DEFAULT 0,
    DataType INTEGER DEFAULT 0
);

CREATE INDEX IX_伝票位置_Code ON 伝票位置 (Code, ItemNo);

-- Lines, rectangles and circles. Color is passed to the printer unchanged.
CREATE TABLE 伝票罫線 (
    Code  INTEGER NOT NULL,
    X1    REAL    DEFAULT 0,
    Y1    REAL    DEFAULT 0,
    X2    REAL    DEFAULT 0,
    Y2    REAL    DEFAULT 0,
    Color INTEGER DEFAULT 0,
    Width INTEGER DEFAULT 1,
    Style INTEGER DEFAULT 0,
    Type  INTEGER DEFAULT 0
);

CREATE INDEX IX_伝票罫線_Code ON 伝票罫線 (Code);

-- Fixed texts printed on every block.
CREATE TABLE 伝票固定項目 (
    Code      INTEGER NOT NULL,
    X1        REAL    DEFAULT 0,
    X2        REAL    DEFAULT 0,
    Y1        REAL    DEFAULT 0,
    Character TEXT    DEFAULT '',
    Align     INTEGER DEFAULT 0
);

CREATE INDEX IX_伝票固定項目_Code ON 伝票固定項目 (Code);

-- ---------------------------------------------------------------------------
-- Lists
-- ---------------------------------------------------------------------------

-- One row per list layout. The list window names the code itself, so there
-- is no DocType, Duplicate or Layout here.
CREATE TABLE 一覧種類 (
    Code        INTEGER NOT NULL,
    Name        TEXT    DEFAULT '',
    ItemCode    INTEGER DEFAULT 0,
    LineCode    INTEGER DEFAULT 0,
    FixItemCode INTEGER DEFAULT 0,
    Block       INTEGER DEFAULT 1,
    Rows        INTEGER DEFAULT 0,
    RowHeight   REAL    DEFAULT 0,
    FontSize    REAL    DEFAULT 0,
    PRIMARY KEY (Code)
);

-- Items per block, plus the item codes whose columns get a total line.
-- Also read by Code alone for PrintTotal, which the same index serves.
CREATE TABLE 一覧項目 (
    Code       INTEGER NOT NULL,
    Block      INTEGER NOT NULL,
    PrintItem  TEXT    DEFAULT '',
    PrintTotal TEXT    DEFAULT ''
);

CREATE INDEX IX_一覧項目_Code ON 一覧項目 (Code, Block);

CREATE TABLE 一覧位置 (
    Code     INTEGER NOT NULL,
    ItemNo   INTEGER NOT NULL,
    X1       REAL    DEFAULT 0,
    X2       REAL    DEFAULT 0,
    Y1       REAL    DEFAULT 0,
    Align    INTEGER DEFAULT 0,
    DataType INTEGER DEFAULT 0
);

CREATE INDEX IX_一覧位置_Code ON 一覧位置 (Code, ItemNo);

CREATE TABLE 一覧罫線 (
    Code  INTEGER NOT NULL,
    X1    REAL    DEFAULT 0,
    Y1    REAL    DEFAULT 0,
    X2    REAL    DEFAULT 0,
    Y2    REAL    DEFAULT 0,
    Color INTEGER DEFAULT 0,
    Width INTEGER DEFAULT 1,
    Style INTEGER DEFAULT 0,
    Type  INTEGER DEFAULT 0
);

CREATE INDEX IX_一覧罫線_Code ON 一覧罫線 (Code);

CREATE TABLE 一覧固定項目 (
    Code      INTEGER NOT NULL,
    X1        REAL    DEFAULT 0,
    X2        REAL    DEFAULT 0,
    Y1        REAL    DEFAULT 0,
    Character TEXT    DEFAULT '',
    Align     INTEGER DEFAULT 0
);

CREATE INDEX IX_一覧固定項目_Code ON 一覧固定項目 (Code);

-- ---------------------------------------------------------------------------
-- Address labels
-- ---------------------------------------------------------------------------

-- One row per label sheet, listed in Code order. RowSpace is the step from
-- one label column to the next (horizontal), ColSpace from one label row to
-- the next (vertical). CharHorV 0 is horizontal writing.
CREATE TABLE 宛名種類 (
    Code     INTEGER NOT NULL,
    Name     TEXT    DEFAULT '',
    ItemCode INTEGER DEFAULT 0,
    Rows     INTEGER DEFAULT 0,
    Cols     INTEGER DEFAULT 0,
    RowSpace REAL    DEFAULT 0,
    ColSpace REAL    DEFAULT 0,
    CharHorV INTEGER DEFAULT 0,
    LabelPos INTEGER DEFAULT 0,
    PRIMARY KEY (Code)
);

-- Items printed on each label: one row per code, labels have no blocks.
CREATE TABLE 宛名項目 (
    Code      INTEGER NOT NULL,
    PrintItem TEXT    DEFAULT ''
);

CREATE INDEX IX_宛名項目_Code ON 宛名項目 (Code);

-- Label positions carry their own font size instead of a formatting kind.
CREATE TABLE 宛名位置 (
    Code     INTEGER NOT NULL,
    ItemNo   INTEGER NOT NULL,
    X1       REAL    DEFAULT 0,
    X2       REAL    DEFAULT 0,
    Y1       REAL    DEFAULT 0,
    Align    INTEGER DEFAULT 0,
    FontSize REAL    DEFAULT 0
);

CREATE INDEX IX_宛名位置_Code ON 宛名位置 (Code, ItemNo);
