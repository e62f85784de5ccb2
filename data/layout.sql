-- Kivora layout database (Kivora1.MDB): every printed page is described by
-- rows of these tables and drawn by the one print engine. The program only
-- reads them. This script builds the tables and, at its end, the delivered
-- document layouts.
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

-- ---------------------------------------------------------------------------
-- Delivered document layouts
-- ---------------------------------------------------------------------------
--
-- Every layout is an A4 portrait form in millimetres from the paper's corner,
-- kept at least 4 mm off the edges. Each layout has its own item, line and
-- fixed-text code (equal to its layout code), so one form can be changed
-- without touching another. Blocks of a two- or three-form sheet are drawn
-- 148.5 or 98.5 mm apart, so their rows stay within the first band; a dashed
-- line marks where the sheet is cut.
--
--   1-2   estimates       (one form, two forms)
--   11-12 purchase orders
--   21-22 delivery notes
--   31-32 invoices
--   41    detailed bill   (one line per gathered document line)
--   51    summary bill    (totals only: no line area, so Rows is 0)
--   61-62 receipts        (two and three forms, the lower ones the copies)
--
-- Pen widths are printer dots of 1/600 inch: 2 for rules, 4 for boxes and
-- the line under a table's header, 7 for frames. Formatting kinds: quantities and
-- unit prices 3, amounts 1, totals 2 (they arrive as yen texts), bill line
-- dates 4, everything else 0.

-- 1: 見積書 A4 1枚(御見積書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (1, 0, '見積書 A4 1枚(御見積書)', 1, 1, 1, 1, 1, 20, 7, 10, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (1, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/35/36/37/38/32/33/34/39/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 2, 168.31, 179.36, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 3, 180.09, 187.62, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 4, 188.34, 195.87, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 6, 146, 200, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 8, 12, 110, 38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 9, 12, 110, 43, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 10, 10, 104, 50, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 11, 14, 104, 57, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 12, 10, 104, 62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 13, 33, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 14, 145, 184, 40, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 15, 118, 184, 45, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 16, 118, 184, 49.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 17, 118, 184, 54, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 18, 118, 184, 58.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 19, 118, 200, 63, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 20, 10, 32, 108.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 21, 32, 100, 108.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 22, 104, 122, 108.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 23, 122, 134, 108.74, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 24, 134, 156, 108.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 25, 156, 180, 108.74, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 26, 180, 200, 108.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 27, 26, 118, 251.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 28, 156, 180, 251.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 29, 156, 180, 258.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 30, 156, 180, 265.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 31, 90, 120, 287, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 32, 29.6, 40.66, 85.74, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 33, 41.38, 48.91, 85.74, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 34, 49.64, 57.17, 85.74, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 35, 29.6, 40.66, 74.54, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 36, 41.38, 48.91, 74.54, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 37, 49.64, 57.17, 74.54, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 38, 31, 110, 80.14, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 39, 31, 110, 91.34, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 40, 127, 170, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 57, 118, 200, 67.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 58, 10, 118, 260, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 59, 10, 118, 264.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 60, 10, 118, 269, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 61, 10, 118, 273.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 62, 100, 104, 108.74, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 140, 30.6, 200, 30.6, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 140, 37.1, 200, 37.1, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 55.2, 104, 55.2, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 73.5, 110, 95.9, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 31, 73.5, 31, 95.9, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 79.1, 110, 79.1, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 84.7, 110, 84.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 90.3, 110, 90.3, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 100, 200, 247, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 107, 200, 107, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 32, 100, 32, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 104, 100, 104, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 122, 100, 122, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 134, 100, 134, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 156, 100, 156, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 180, 100, 180, 247, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 114, 200, 114, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 121, 200, 121, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 128, 200, 128, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 135, 200, 135, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 142, 200, 142, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 149, 200, 149, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 156, 200, 156, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 163, 200, 163, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 170, 200, 170, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 177, 200, 177, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 191, 200, 191, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 198, 200, 198, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 205, 200, 205, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 212, 200, 212, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 219, 200, 219, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 226, 200, 226, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 233, 200, 233, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 240, 200, 240, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 122, 250, 180, 271, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 122, 257, 180, 257, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 122, 264, 180, 264, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 156, 250, 156, 271, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 250, 118, 257, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 26, 250, 26, 257, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 140, 165, 26, '見積番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 140, 165, 32.5, '見積日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 194.47, 199.5, 32.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 186.22, 191.24, 32.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 177.96, 182.99, 32.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 40, 26, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 118, 130, 72, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 110, 67.5, '下記の通り御見積申し上げます。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 31, 74.54, '納入期日', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 31, 80.14, '納入場所', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 31, 85.74, '有効期限', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 31, 91.34, '取引方法', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 39.26, 44.18, 74.54, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 47.51, 52.44, 74.54, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 55.77, 60.69, 74.54, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 39.26, 44.18, 85.74, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 47.51, 52.44, 85.74, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 55.77, 60.69, 85.74, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 32, 101.74, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 32, 104, 101.74, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 104, 122, 101.74, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 122, 134, 101.74, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 134, 156, 101.74, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 156, 180, 101.74, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 180, 200, 101.74, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 122, 156, 251.74, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 122, 156, 258.74, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 122, 156, 265.74, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 26, 251.74, '摘要', 2);

-- 2: 見積書 A4 2枚(御見積書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (2, 0, '見積書 A4 2枚(御見積書)', 1, 2, 2, 2, 2, 9, 5.5, 9, '0/0');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (2, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/35/36/37/32/33/34/38/39/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (2, 2, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/35/36/37/32/33/34/38/39/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 0, 55, 155, 6, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 2, 170.77, 181.12, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 3, 181.5, 188.67, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 4, 189.05, 196.22, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 5, 160, 200, 7, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 6, 146, 200, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 7, 10, 40, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 8, 27.5, 112, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 9, 27.5, 112, 20.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 10, 10, 104, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 11, 14, 104, 31.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 12, 10, 104, 36, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 13, 30.5, 80, 7, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 14, 145, 184, 19, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 15, 118, 140, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 16, 135.5, 184, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 17, 135.5, 184, 27.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 18, 118, 184, 31.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 19, 118, 200, 35.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 20, 10, 32, 63.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 21, 32, 100, 63.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 22, 104, 122, 63.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 23, 122, 134, 63.16, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 24, 134, 156, 63.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 25, 156, 180, 63.16, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 26, 180, 200, 63.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 27, 26, 118, 114.41, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 28, 156, 180, 114.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 29, 156, 180, 119.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 30, 156, 180, 124.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 31, 90, 120, 140, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 32, 121.6, 131.95, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 33, 132.32, 139.5, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 34, 139.88, 147.05, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 35, 26.6, 36.95, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 36, 37.33, 44.5, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 37, 44.88, 52.05, 44.41, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 38, 28, 105, 49.41, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 39, 123, 200, 49.41, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 40, 127, 170, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 57, 10, 118, 119.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 58, 10, 118, 123.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 59, 10, 118, 127.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 60, 10, 118, 131.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 61, 10, 118, 135.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 62, 100, 104, 63.16, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 80, 13.6, 130, 13.6, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 80, 14.4, 130, 14.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 140, 11, 200, 11, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 140, 16.5, 200, 16.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 30.4, 104, 30.4, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 43.5, 200, 53.5, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 48.5, 200, 48.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 28, 43.5, 28, 53.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 105, 43.5, 105, 53.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 123, 43.5, 123, 53.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 56, 200, 111.5, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 62, 200, 62, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 32, 56, 32, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 104, 56, 104, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 122, 56, 122, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 134, 56, 134, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 156, 56, 156, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 180, 56, 180, 111.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 67.5, 200, 67.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 73, 200, 73, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 78.5, 200, 78.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 84, 200, 84, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 89.5, 200, 89.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 95, 200, 95, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 100.5, 200, 100.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 122, 113.5, 180, 128.5, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 122, 118.5, 180, 118.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 122, 123.5, 180, 123.5, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 156, 113.5, 156, 128.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 113.5, 118, 118.5, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 26, 113.5, 26, 118.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 4, 148.5, 206, 148.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 140, 165, 7, '見積番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 140, 165, 12.5, '見積日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 194.82, 199.5, 12.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 187.27, 191.95, 12.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 179.72, 184.4, 12.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 40, 7, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 118, 130, 39.5, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 28, 44.41, '納入期日', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 105, 123, 44.41, '有効期限', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 28, 49.41, '納入場所', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 105, 123, 49.41, '取引方法', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 35.55, 40.12, 44.41, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 43.1, 47.67, 44.41, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 50.65, 55.22, 44.41, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 130.55, 135.12, 44.41, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 138.1, 142.68, 44.41, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 145.65, 150.23, 44.41, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 32, 57.41, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 32, 104, 57.41, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 104, 122, 57.41, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 122, 134, 57.41, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 134, 156, 57.41, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 156, 180, 57.41, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 180, 200, 57.41, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 122, 156, 114.41, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 122, 156, 119.41, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 122, 156, 124.41, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 26, 114.41, '摘要', 2);

-- 11: 注文書 A4 1枚(注文書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (11, 1, '注文書 A4 1枚(注文書)', 1, 11, 11, 11, 1, 22, 7, 10, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (11, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 2, 168.31, 179.36, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 3, 180.09, 187.62, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 4, 188.34, 195.87, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 6, 146, 200, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 8, 12, 110, 38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 9, 12, 110, 43, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 10, 10, 104, 50, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 11, 14, 104, 57, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 12, 10, 104, 62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 13, 33, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 14, 145, 184, 40, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 15, 118, 184, 45, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 16, 118, 184, 49.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 17, 118, 184, 54, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 18, 118, 184, 58.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 19, 118, 200, 63, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 20, 10, 32, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 21, 32, 100, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 22, 104, 122, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 23, 122, 134, 85.74, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 24, 134, 156, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 25, 156, 180, 85.74, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 26, 180, 200, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 27, 26, 118, 242.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 28, 156, 180, 242.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 29, 156, 180, 249.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 30, 156, 180, 256.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 31, 90, 120, 287, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 40, 127, 170, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 57, 118, 200, 67.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 58, 10, 118, 251, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 59, 10, 118, 255.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 60, 10, 118, 260, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 61, 10, 118, 264.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (11, 62, 100, 104, 85.74, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 140, 30.6, 200, 30.6, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 140, 37.1, 200, 37.1, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 55.2, 104, 55.2, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 77, 200, 238, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 84, 200, 84, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 32, 77, 32, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 104, 77, 104, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 122, 77, 122, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 134, 77, 134, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 156, 77, 156, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 180, 77, 180, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 91, 200, 91, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 98, 200, 98, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 105, 200, 105, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 112, 200, 112, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 126, 200, 126, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 133, 200, 133, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 140, 200, 140, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 147, 200, 147, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 154, 200, 154, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 161, 200, 161, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 168, 200, 168, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 175, 200, 175, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 182, 200, 182, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 189, 200, 189, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 196, 200, 196, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 203, 200, 203, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 217, 200, 217, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 224, 200, 224, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 231, 200, 231, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 122, 241, 180, 262, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 122, 248, 180, 248, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 122, 255, 180, 255, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 156, 241, 156, 262, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 10, 241, 118, 248, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (11, 26, 241, 26, 248, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 140, 165, 26, '注文番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 140, 165, 32.5, '注文日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 194.47, 199.5, 32.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 186.22, 191.24, 32.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 177.96, 182.99, 32.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 10, 40, 26, '仕入先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 118, 130, 72, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 10, 110, 70, '下記の通り注文いたします。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 10, 32, 78.74, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 32, 104, 78.74, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 104, 122, 78.74, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 122, 134, 78.74, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 134, 156, 78.74, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 156, 180, 78.74, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 180, 200, 78.74, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 122, 156, 242.74, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 122, 156, 249.74, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 122, 156, 256.74, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (11, 10, 26, 242.74, '摘要', 2);

-- 12: 注文書 A4 2枚(注文書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (12, 1, '注文書 A4 2枚(注文書)', 1, 12, 12, 12, 2, 12, 5.5, 9, '0/0');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (12, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (12, 2, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 0, 55, 155, 6, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 2, 170.77, 181.12, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 3, 181.5, 188.67, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 4, 189.05, 196.22, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 5, 160, 200, 7, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 6, 146, 200, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 7, 10, 40, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 8, 27.5, 112, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 9, 27.5, 112, 20.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 10, 10, 104, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 11, 14, 104, 31.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 12, 10, 104, 36, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 13, 30.5, 80, 7, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 14, 145, 184, 19, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 15, 118, 140, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 16, 135.5, 184, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 17, 135.5, 184, 27.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 18, 118, 184, 31.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 19, 118, 200, 35.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 20, 10, 32, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 21, 32, 100, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 22, 104, 122, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 23, 122, 134, 53.16, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 24, 134, 156, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 25, 156, 180, 53.16, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 26, 180, 200, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 27, 26, 118, 120.91, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 28, 156, 180, 120.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 29, 156, 180, 125.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 30, 156, 180, 130.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 31, 90, 120, 140, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 40, 127, 170, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 57, 10, 118, 126.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 58, 10, 118, 130.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 59, 10, 118, 134.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 60, 10, 88, 138.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 61, 122, 200, 136.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (12, 62, 100, 104, 53.16, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 80, 13.6, 130, 13.6, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 80, 14.4, 130, 14.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 140, 11, 200, 11, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 140, 16.5, 200, 16.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 30.4, 104, 30.4, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 46, 200, 118, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 52, 200, 52, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 32, 46, 32, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 104, 46, 104, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 122, 46, 122, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 134, 46, 134, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 156, 46, 156, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 180, 46, 180, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 57.5, 200, 57.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 63, 200, 63, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 68.5, 200, 68.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 74, 200, 74, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 79.5, 200, 79.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 85, 200, 85, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 90.5, 200, 90.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 96, 200, 96, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 101.5, 200, 101.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 107, 200, 107, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 122, 120, 180, 135, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 122, 125, 180, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 122, 130, 180, 130, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 156, 120, 156, 135, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 10, 120, 118, 125, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 26, 120, 26, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (12, 4, 148.5, 206, 148.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 140, 165, 7, '注文番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 140, 165, 12.5, '注文日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 194.82, 199.5, 12.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 187.27, 191.95, 12.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 179.72, 184.4, 12.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 10, 40, 7, '仕入先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 118, 130, 39.5, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 10, 110, 41, '下記の通り注文いたします。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 10, 32, 47.41, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 32, 104, 47.41, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 104, 122, 47.41, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 122, 134, 47.41, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 134, 156, 47.41, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 156, 180, 47.41, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 180, 200, 47.41, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 122, 156, 120.91, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 122, 156, 125.91, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 122, 156, 130.91, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (12, 10, 26, 120.91, '摘要', 2);

-- 21: 納品書 A4 1枚(納品書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (21, 2, '納品書 A4 1枚(納品書)', 1, 21, 21, 21, 1, 22, 7, 10, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (21, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 2, 168.31, 179.36, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 3, 180.09, 187.62, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 4, 188.34, 195.87, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 6, 146, 200, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 8, 12, 110, 38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 9, 12, 110, 43, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 10, 10, 104, 50, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 11, 14, 104, 57, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 12, 10, 104, 62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 13, 33, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 14, 145, 184, 40, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 15, 118, 184, 45, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 16, 118, 184, 49.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 17, 118, 184, 54, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 18, 118, 184, 58.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 19, 118, 200, 63, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 20, 10, 32, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 21, 32, 100, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 22, 104, 122, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 23, 122, 134, 85.74, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 24, 134, 156, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 25, 156, 180, 85.74, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 26, 180, 200, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 27, 26, 118, 242.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 28, 156, 180, 242.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 29, 156, 180, 249.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 30, 156, 180, 256.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 31, 90, 120, 287, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 40, 127, 170, 72, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 57, 118, 200, 67.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 58, 10, 118, 251, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 59, 10, 118, 255.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 60, 10, 118, 260, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 61, 10, 118, 264.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (21, 62, 100, 104, 85.74, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 140, 30.6, 200, 30.6, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 140, 37.1, 200, 37.1, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 55.2, 104, 55.2, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 77, 200, 238, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 84, 200, 84, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 32, 77, 32, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 104, 77, 104, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 122, 77, 122, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 134, 77, 134, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 156, 77, 156, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 180, 77, 180, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 91, 200, 91, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 98, 200, 98, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 105, 200, 105, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 112, 200, 112, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 126, 200, 126, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 133, 200, 133, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 140, 200, 140, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 147, 200, 147, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 154, 200, 154, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 161, 200, 161, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 168, 200, 168, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 175, 200, 175, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 182, 200, 182, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 189, 200, 189, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 196, 200, 196, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 203, 200, 203, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 217, 200, 217, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 224, 200, 224, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 231, 200, 231, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 122, 241, 180, 262, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 122, 248, 180, 248, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 122, 255, 180, 255, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 156, 241, 156, 262, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 10, 241, 118, 248, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 26, 241, 26, 248, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 183, 241, 200, 262, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (21, 183, 247, 200, 247, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 140, 165, 26, '納品書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 140, 165, 32.5, '納品日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 194.47, 199.5, 32.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 186.22, 191.24, 32.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 177.96, 182.99, 32.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 10, 40, 26, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 118, 130, 72, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 10, 110, 70, '下記の通り納品いたしました。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 10, 32, 78.74, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 32, 104, 78.74, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 104, 122, 78.74, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 122, 134, 78.74, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 134, 156, 78.74, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 156, 180, 78.74, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 180, 200, 78.74, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 122, 156, 242.74, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 122, 156, 249.74, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 122, 156, 256.74, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 10, 26, 242.74, '摘要', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (21, 183, 200, 242.24, '受領印', 2);

-- 22: 納品書 A4 2枚(納品書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (22, 2, '納品書 A4 2枚(納品書)', 1, 22, 22, 22, 2, 12, 5.5, 9, '0/0');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (22, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (22, 2, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/19/40/6/27/28/29/30/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 0, 55, 155, 6, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 2, 170.77, 181.12, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 3, 181.5, 188.67, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 4, 189.05, 196.22, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 5, 160, 200, 7, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 6, 146, 200, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 7, 10, 40, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 8, 27.5, 112, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 9, 27.5, 112, 20.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 10, 10, 104, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 11, 14, 104, 31.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 12, 10, 104, 36, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 13, 30.5, 80, 7, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 14, 145, 184, 19, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 15, 118, 140, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 16, 135.5, 184, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 17, 135.5, 184, 27.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 18, 118, 184, 31.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 19, 118, 200, 35.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 20, 10, 32, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 21, 32, 100, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 22, 104, 122, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 23, 122, 134, 53.16, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 24, 134, 156, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 25, 156, 180, 53.16, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 26, 180, 200, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 27, 26, 118, 120.91, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 28, 156, 180, 120.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 29, 156, 180, 125.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 30, 156, 180, 130.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 31, 90, 120, 140, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 40, 127, 170, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 57, 10, 118, 126.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 58, 10, 118, 130.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 59, 10, 118, 134.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 60, 10, 88, 138.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 61, 122, 200, 136.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (22, 62, 100, 104, 53.16, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 80, 13.6, 130, 13.6, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 80, 14.4, 130, 14.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 140, 11, 200, 11, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 140, 16.5, 200, 16.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 30.4, 104, 30.4, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 46, 200, 118, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 52, 200, 52, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 32, 46, 32, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 104, 46, 104, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 122, 46, 122, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 134, 46, 134, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 156, 46, 156, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 180, 46, 180, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 57.5, 200, 57.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 63, 200, 63, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 68.5, 200, 68.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 74, 200, 74, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 79.5, 200, 79.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 85, 200, 85, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 90.5, 200, 90.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 96, 200, 96, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 101.5, 200, 101.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 107, 200, 107, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 122, 120, 180, 135, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 122, 125, 180, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 122, 130, 180, 130, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 156, 120, 156, 135, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 10, 120, 118, 125, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 26, 120, 26, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 183, 120, 200, 135, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 183, 125, 200, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (22, 4, 148.5, 206, 148.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 140, 165, 7, '納品書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 140, 165, 12.5, '納品日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 194.82, 199.5, 12.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 187.27, 191.95, 12.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 179.72, 184.4, 12.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 10, 40, 7, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 118, 130, 39.5, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 10, 110, 41, '下記の通り納品いたしました。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 10, 32, 47.41, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 32, 104, 47.41, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 104, 122, 47.41, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 122, 134, 47.41, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 134, 156, 47.41, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 156, 180, 47.41, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 180, 200, 47.41, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 122, 156, 120.91, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 122, 156, 125.91, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 122, 156, 130.91, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 10, 26, 120.91, '摘要', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (22, 183, 200, 120.91, '受領印', 2);

-- 31: 請求書 A4 1枚(請求書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (31, 3, '請求書 A4 1枚(請求書)', 1, 31, 31, 31, 1, 22, 7, 10, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (31, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/40/6/27/28/29/30/19/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 2, 168.31, 179.36, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 3, 180.09, 187.62, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 4, 188.34, 195.87, 32.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 6, 146, 200, 67.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 8, 12, 110, 38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 9, 12, 110, 43, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 10, 10, 104, 50, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 11, 14, 104, 57, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 12, 10, 104, 62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 13, 33, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 14, 145, 184, 40, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 15, 118, 184, 45, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 16, 118, 184, 49.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 17, 118, 184, 54, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 18, 118, 184, 58.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 19, 26, 118, 251.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 20, 10, 32, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 21, 32, 100, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 22, 104, 122, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 23, 122, 134, 85.74, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 24, 134, 156, 85.74, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 25, 156, 180, 85.74, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 26, 180, 200, 85.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 27, 26, 118, 242.74, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 28, 156, 180, 242.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 29, 156, 180, 249.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 30, 156, 180, 256.74, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 31, 90, 120, 287, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 40, 127, 170, 67.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 57, 118, 200, 63, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 58, 10, 118, 260, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 59, 10, 118, 264.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 60, 10, 118, 269, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 61, 10, 118, 273.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (31, 62, 100, 104, 85.74, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 140, 30.6, 200, 30.6, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 140, 37.1, 200, 37.1, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 55.2, 104, 55.2, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 77, 200, 238, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 84, 200, 84, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 32, 77, 32, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 104, 77, 104, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 122, 77, 122, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 134, 77, 134, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 156, 77, 156, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 180, 77, 180, 238, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 91, 200, 91, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 98, 200, 98, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 105, 200, 105, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 112, 200, 112, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 126, 200, 126, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 133, 200, 133, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 140, 200, 140, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 147, 200, 147, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 154, 200, 154, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 161, 200, 161, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 168, 200, 168, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 175, 200, 175, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 182, 200, 182, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 189, 200, 189, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 196, 200, 196, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 203, 200, 203, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 217, 200, 217, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 224, 200, 224, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 231, 200, 231, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 122, 241, 180, 262, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 122, 248, 180, 248, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 122, 255, 180, 255, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 156, 241, 156, 262, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 241, 118, 248, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 26, 241, 26, 248, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 10, 250, 118, 257, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (31, 26, 250, 26, 257, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 140, 165, 26, '請求書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 140, 165, 32.5, '請求日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 194.47, 199.5, 32.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 186.22, 191.24, 32.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 177.96, 182.99, 32.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 10, 40, 26, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 118, 130, 67.5, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 10, 110, 70, '下記の通り御請求申し上げます。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 10, 32, 78.74, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 32, 104, 78.74, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 104, 122, 78.74, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 122, 134, 78.74, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 134, 156, 78.74, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 156, 180, 78.74, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 180, 200, 78.74, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 122, 156, 242.74, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 122, 156, 249.74, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 122, 156, 256.74, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 10, 26, 242.74, '摘要', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (31, 10, 26, 251.74, 'お振込先', 2);

-- 32: 請求書 A4 2枚(請求書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (32, 3, '請求書 A4 2枚(請求書)', 1, 32, 32, 32, 2, 12, 5.5, 9, '0/0');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (32, 1, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/40/6/27/28/29/30/19/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (32, 2, '0/5/2/3/4/13/7/8/9/10/11/12/14/15/16/17/18/40/6/27/28/29/30/19/31/57/58/59/60/61/20/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 0, 55, 155, 6, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 2, 170.77, 181.12, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 3, 181.5, 188.67, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 4, 189.05, 196.22, 12.5, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 5, 160, 200, 7, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 6, 146, 200, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 7, 10, 40, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 8, 27.5, 112, 16.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 9, 27.5, 112, 20.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 10, 10, 104, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 11, 14, 104, 31.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 12, 10, 104, 36, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 13, 30.5, 80, 7, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 14, 145, 184, 19, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 15, 118, 140, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 16, 135.5, 184, 23.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 17, 135.5, 184, 27.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 18, 118, 184, 31.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 19, 26, 118, 127.91, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 20, 10, 32, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 21, 32, 100, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 22, 104, 122, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 23, 122, 134, 53.16, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 24, 134, 156, 53.16, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 25, 156, 180, 53.16, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 26, 180, 200, 53.16, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 27, 26, 118, 120.91, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 28, 156, 180, 120.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 29, 156, 180, 125.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 30, 156, 180, 130.91, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 31, 90, 120, 140, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 40, 127, 170, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 57, 118, 200, 35.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 58, 10, 118, 133.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 59, 10, 88, 137.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 60, 122, 200, 136.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 61, 122, 200, 140.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (32, 62, 100, 104, 53.16, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 80, 13.6, 130, 13.6, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 80, 14.4, 130, 14.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 140, 11, 200, 11, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 140, 16.5, 200, 16.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 30.4, 104, 30.4, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 46, 200, 118, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 52, 200, 52, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 32, 46, 32, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 104, 46, 104, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 122, 46, 122, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 134, 46, 134, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 156, 46, 156, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 180, 46, 180, 118, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 57.5, 200, 57.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 63, 200, 63, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 68.5, 200, 68.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 74, 200, 74, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 79.5, 200, 79.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 85, 200, 85, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 90.5, 200, 90.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 96, 200, 96, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 101.5, 200, 101.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 107, 200, 107, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 122, 120, 180, 135, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 122, 125, 180, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 122, 130, 180, 130, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 156, 120, 156, 135, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 120, 118, 125, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 26, 120, 26, 125, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 10, 127, 118, 132, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 26, 127, 26, 132, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (32, 4, 148.5, 206, 148.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 140, 165, 7, '請求書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 140, 165, 12.5, '請求日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 194.82, 199.5, 12.5, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 187.27, 191.95, 12.5, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 179.72, 184.4, 12.5, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 10, 40, 7, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 118, 130, 39.5, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 10, 110, 41, '下記の通り御請求申し上げます。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 10, 32, 47.41, '商品番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 32, 104, 47.41, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 104, 122, 47.41, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 122, 134, 47.41, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 134, 156, 47.41, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 156, 180, 47.41, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 180, 200, 47.41, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 122, 156, 120.91, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 122, 156, 125.91, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 122, 156, 130.91, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 10, 26, 120.91, '摘要', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (32, 10, 26, 127.91, 'お振込先', 2);

-- 41: 明細請求書 A4(請求書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (41, 4, '明細請求書 A4(請求書)', 1, 41, 41, 41, 1, 26, 6.5, 9, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (41, 1, '0/5/1/13/7/8/9/10/11/12/14/15/16/17/18/19/6/52/53/54/28/29/30/55/56/27/31/57/58/59/60/61/50/51/21/22/23/24/25/26/62');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 1, 160, 200, 32, 1, 4);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 6, 127, 160, 66.25, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 8, 12, 110, 37.38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 9, 12, 110, 41.75, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 10, 10, 104, 48.62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 11, 14, 104, 54.8, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 12, 10, 104, 59.48, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 13, 30.55, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 14, 118, 200, 40, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 15, 118, 200, 44.38, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 16, 118, 200, 48.75, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 17, 118, 200, 53.12, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 18, 118, 200, 57.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 19, 129, 200, 61.88, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 21, 42, 103, 101.66, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 22, 107, 123, 101.66, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 23, 123, 133, 101.66, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 24, 133, 152, 101.66, 1, 3);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 25, 152, 176, 101.66, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 26, 176, 200, 101.66, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 27, 26, 200, 273.66, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 28, 91, 118, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 29, 118, 145, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 30, 145, 172, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 31, 90, 120, 287, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 50, 10, 28, 101.66, 2, 4);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 51, 28, 42, 101.66, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 52, 10, 37, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 53, 37, 64, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 54, 64, 91, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 55, 172, 200, 81.41, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 56, 22, 31, 89, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 57, 160, 200, 66.25, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 58, 42, 121, 89, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 59, 121, 200, 89, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 60, 10, 105, 280, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 61, 105, 200, 280, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (41, 62, 103, 107, 101.66, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 140, 30.18, 200, 30.18, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 140, 36.17, 200, 36.17, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 53.3, 104, 53.3, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 73, 200, 87, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 79, 200, 79, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 37, 73, 37, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 64, 73, 64, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 91, 73, 91, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 118, 73, 118, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 145, 73, 145, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 172, 73, 172, 87, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 172, 73, 200, 87, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 94, 200, 269, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 100, 200, 100, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 28, 94, 28, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 42, 94, 42, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 107, 94, 107, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 123, 94, 123, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 133, 94, 133, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 152, 94, 152, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 176, 94, 176, 269, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 106.5, 200, 106.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 113, 200, 113, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 119.5, 200, 119.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 126, 200, 126, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 132.5, 200, 132.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 139, 200, 139, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 145.5, 200, 145.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 152, 200, 152, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 158.5, 200, 158.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 165, 200, 165, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 171.5, 200, 171.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 178, 200, 178, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 184.5, 200, 184.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 191, 200, 191, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 197.5, 200, 197.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 204, 200, 204, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 210.5, 200, 210.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 217, 200, 217, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 223.5, 200, 223.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 230, 200, 230, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 236.5, 200, 236.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 243, 200, 243, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 249.5, 200, 249.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 256, 200, 256, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 262.5, 200, 262.5, 0, 2, 2, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 10, 272, 200, 278.5, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (41, 26, 272, 26, 278.5, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 140, 165, 26, '請求書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 140, 165, 32, '締切日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 40, 26, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 118, 132, 61.88, '振込先', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 118, 130, 66.25, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 110, 68, '下記の通り御請求申し上げます。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 37, 74.41, '前回請求額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 37, 64, 74.41, '入金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 64, 91, 74.41, '繰越金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 91, 118, 74.41, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 118, 145, 74.41, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 145, 172, 74.41, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 172, 200, 74.41, '今回請求額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 40, 89, '伝票枚数', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 30, 40, 89, '枚', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 28, 95.41, '日付', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 28, 42, 95.41, '伝票番号', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 42, 107, 95.41, '品名', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 107, 123, 95.41, '数量', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 123, 133, 95.41, '単位', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 133, 152, 95.41, '単価', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 152, 176, 95.41, '金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 176, 200, 95.41, '備考', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (41, 10, 26, 273.66, '摘要', 2);

-- 51: 合計請求書 A4(請求書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (51, 5, '合計請求書 A4(請求書)', 1, 51, 51, 51, 1, 0, 0, 10, '');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (51, 1, '0/5/1/13/7/8/9/10/11/12/14/15/16/17/18/6/52/53/54/28/29/30/55/56/19/27/57/58/59/60/61');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 0, 55, 155, 11, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 1, 160, 200, 32, 1, 4);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 5, 160, 200, 26, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 6, 127, 200, 68.37, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 7, 10, 100, 33, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 8, 12, 110, 37.73, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 9, 12, 110, 42.46, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 10, 10, 104, 49.68, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 11, 14, 104, 56.21, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 12, 10, 104, 61.24, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 13, 32.67, 80, 26, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 14, 118, 200, 40, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 15, 118, 200, 44.73, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 16, 118, 200, 49.46, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 17, 118, 200, 54.18, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 18, 118, 200, 58.91, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 19, 32, 120, 114.24, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 27, 32, 200, 125.24, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 28, 91, 118, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 29, 118, 145, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 30, 145, 172, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 52, 10, 37, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 53, 37, 64, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 54, 64, 91, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 55, 172, 200, 92.24, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 56, 25, 34, 104, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 57, 118, 200, 63.64, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 58, 10, 200, 134.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 59, 10, 200, 139.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 60, 10, 200, 144.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (51, 61, 10, 200, 149.5, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 78, 19.8, 132, 19.8, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 78, 20.7, 132, 20.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 140, 30.53, 200, 30.53, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 140, 36.53, 200, 36.53, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 10, 54.71, 104, 54.71, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 10, 80, 200, 100, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 10, 88, 200, 88, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 37, 80, 37, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 64, 80, 64, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 91, 80, 91, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 118, 80, 118, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 145, 80, 145, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 172, 80, 172, 100, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 172, 80, 200, 100, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 10, 112, 120, 120, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 32, 112, 32, 120, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 10, 123, 200, 131, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (51, 32, 123, 32, 131, 0, 2, 0, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 140, 165, 26, '請求書番号', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 140, 165, 32, '締切日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 40, 26, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 118, 130, 68.37, '担当', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 150, 72, '毎度ありがとうございます。下記の通り御請求申し上げます。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 37, 82.24, '前回請求額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 37, 64, 82.24, '入金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 64, 91, 82.24, '繰越金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 91, 118, 82.24, '税抜金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 118, 145, 82.24, '税額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 145, 172, 82.24, '税込金額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 172, 200, 82.24, '今回請求額', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 40, 104, '伝票枚数', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 33, 45, 104, '枚', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 32, 114.24, 'お振込先', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (51, 10, 32, 125.24, '摘要', 2);

-- 61: 領収書 A4 2枚(領収書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (61, 6, '領収書 A4 2枚(領収書)', 0, 61, 61, 61, 2, 0, 0, 11, '0/-1');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (61, 1, '0/5/2/3/4/13/10/29/47/41/42/43/44/45/46/28/48/49/14/15/16/17/18/57/27');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (61, 2, '0/5/2/3/4/13/10/29/47/41/42/43/44/45/46/28/48/49/14/15/16/17/18/57/27');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 0, 55, 155, 10, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 2, 165.84, 177.6, 16.38, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 3, 178.68, 186.56, 16.38, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 4, 187.64, 195.52, 16.38, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 5, 160, 200, 10, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 10, 40, 150, 30, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 13, 36.78, 80, 10, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 14, 118, 200, 81, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 15, 118, 200, 86.28, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 16, 118, 200, 91.56, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 17, 118, 200, 96.84, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 18, 118, 200, 102.12, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 27, 32, 200, 127.06, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 28, 32, 62, 117.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 29, 62, 125, 47.56, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 41, 32, 62, 81.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 42, 32, 62, 87.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 43, 32, 62, 93.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 44, 32, 62, 99.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 45, 32, 62, 105.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 46, 32, 62, 111.06, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 47, 52, 150, 62, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 48, 84, 114, 81.06, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 49, 84, 114, 87.06, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (61, 57, 118, 200, 107.4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 84, 17.3, 126, 17.3, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 84, 18.2, 126, 18.2, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 148, 14.88, 200, 14.88, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 40, 35.38, 150, 35.38, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 28, 34, 62, 0, 2, 2, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 40, 42, 150, 57, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 41, 43, 149, 56, 0, 2, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 40, 66.88, 150, 66.88, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 80, 62, 122, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 32, 80, 32, 122, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 86, 62, 86, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 92, 62, 92, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 98, 62, 98, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 104, 62, 104, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 110, 62, 110, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 116, 62, 116, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 66, 80, 114, 92, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 66, 86, 114, 86, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 84, 80, 84, 92, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 192, 92.56, 7, 92.56, 0, 2, 2, 2);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 12, 125.5, 200, 132.5, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 32, 125.5, 32, 132.5, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (61, 4, 148.5, 206, 148.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 148, 165, 10, 'No.', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 194.12, 199.5, 16.38, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 185.16, 190.54, 16.38, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 176.2, 181.58, 16.38, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 42, 10, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 34, 43.06, '収入印紙', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 42, 62, 47.56, '金額', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 123.5, 140, 47.56, '－', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 40, 54, 62, '但し', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 40, 150, 70, '上記正に領収いたしました。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 81.06, '現金', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 87.06, '小切手', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 93.06, '振込', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 99.06, '手形', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 105.06, '相殺', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 111.06, 'その他', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 117.06, '合計', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 66, 84, 81.06, '手形No', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 66, 84, 87.06, '手形期日', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 185, 199, 90.62, '印', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (61, 12, 32, 127.06, '摘要', 2);

-- 62: 領収書 A4 3枚(領収書)
INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (62, 6, '領収書 A4 3枚(領収書)', 0, 62, 62, 62, 3, 0, 0, 10, '0/-1/-1');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (62, 1, '0/5/2/3/4/13/10/29/47/41/42/43/44/45/46/28/48/49/14/15/16/17/18/57/27');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (62, 2, '0/5/2/3/4/13/10/29/47/41/42/43/44/45/46/28/48/49/14/15/16/17/18/57/27');
INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (62, 3, '0/5/2/3/4/13/10/29/47/41/42/43/44/45/46/28/48/49/14/15/16/17/18/57/27');
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 0, 55, 155, 6, 2, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 2, 168.31, 179.36, 12.03, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 3, 180.09, 187.62, 12.03, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 4, 188.34, 195.87, 12.03, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 5, 160, 200, 6, 1, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 10, 40, 150, 19, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 13, 34.67, 80, 6, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 14, 118, 200, 53, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 15, 118, 200, 57.43, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 16, 118, 200, 61.86, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 17, 118, 200, 66.28, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 18, 118, 200, 70.71, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 27, 32, 200, 86.24, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 28, 32, 62, 78.84, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 29, 62, 125, 29.49, 1, 2);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 41, 32, 62, 52.44, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 42, 32, 62, 56.84, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 43, 32, 62, 61.24, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 44, 32, 62, 65.64, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 45, 32, 62, 70.04, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 46, 32, 62, 74.44, 1, 1);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 47, 52, 150, 39.5, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 48, 84, 114, 52.44, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 49, 84, 114, 56.84, 0, 0);
INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (62, 57, 118, 200, 75.14, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 84, 13.3, 126, 13.3, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 84, 14.2, 126, 14.2, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 148, 10.53, 200, 10.53, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 40, 24.03, 150, 24.03, 0, 7, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 17, 34, 42, 0, 2, 2, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 40, 26, 150, 36.5, 0, 7, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 41, 27, 149, 35.5, 0, 2, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 40, 44.03, 150, 44.03, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 52, 62, 82.8, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 32, 52, 32, 82.8, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 56.4, 62, 56.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 60.8, 62, 60.8, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 65.2, 62, 65.2, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 69.6, 62, 69.6, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 74, 62, 74, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 78.4, 62, 78.4, 0, 4, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 66, 52, 114, 60.8, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 66, 56.4, 114, 56.4, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 84, 52, 84, 60.8, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 193, 62.86, 6, 62.86, 0, 2, 2, 2);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 12, 85.3, 200, 90.7, 0, 4, 0, 1);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 32, 85.3, 32, 90.7, 0, 2, 0, 0);
INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (62, 4, 98.5, 206, 98.5, 0, 2, 1, 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 148, 165, 6, 'No.', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 194.47, 199.5, 12.03, '日', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 186.22, 191.24, 12.03, '月', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 177.96, 182.99, 12.03, '年', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 42, 6, '得意先コード', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 34, 27.74, '収入印紙', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 42, 62, 29.49, '金額', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 123.5, 140, 29.49, '－', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 40, 54, 39.5, '但し', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 40, 150, 45.5, '上記正に領収いたしました。', 0);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 52.44, '現金', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 56.84, '小切手', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 61.24, '振込', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 65.64, '手形', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 70.04, '相殺', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 74.44, 'その他', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 78.84, '合計', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 66, 84, 52.44, '手形No', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 66, 84, 56.84, '手形期日', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 187, 199, 61.09, '印', 2);
INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (62, 12, 32, 86.24, '摘要', 2);

-- ---------------------------------------------------------------------------
-- Delivered list layouts
-- ---------------------------------------------------------------------------
--
-- One A4 portrait layout per list kind; the layout code is the kind. Each has
-- its own item, line and fixed-text code (equal to the kind). The header is
-- the same on every list: the title with a double rule, the company and the
-- print date and time at the right, the subtitle (or the processing month of
-- the ledger lists) at the left, the page number at the foot. The table is
-- ruled for Rows rows and, where the list has totals, one more row for the
-- total line, which follows the last row. Row height 6.5 mm, 9 points;
-- amounts formatting kind 1.

-- 0: 売掛一覧表 (every customer's month, from the ledger)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (0, '売掛一覧表', 0, 0, 0, 1, 36, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 10, 26, 24, '処理月', 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 37, 26, 80, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 10, 32, 35.9, '顧客番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 4, 10, 32, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 32, 34, 32, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 32, 92, 35.9, '顧客名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 5, 32, 92, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 92, 34, 92, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 92, 119, 35.9, '前月繰越', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 33, 92, 119, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 119, 34, 119, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 119, 146, 35.9, '売上金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 30, 119, 146, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 146, 34, 146, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 146, 173, 35.9, '入金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 31, 146, 173, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (0, 173, 34, 173, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (0, 173, 200, 35.9, '残高', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (0, 34, 173, 200, 42.6, 1, 1);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (0, 1, '0/1/2/3/37/4/5/33/30/31/34', '33/30/31/34');
-- 1: 取引履歴 (one customer's month; the balance runs after each row)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (1, '取引履歴', 1, 1, 1, 1, 36, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 22, 10, 30, 23, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 23, 30, 100, 23, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 100, 108, 23, '様', 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 27.5, 108, 27.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 26, 29, '処理月', 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 37, 26, 80, 29, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 10, 36, 35.9, '日付', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 36, 10, 36, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 36, 34, 36, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 36, 62, 35.9, '伝票番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 27, 36, 62, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 62, 34, 62, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 62, 90, 35.9, '入金科目', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 35, 62, 90, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 90, 34, 90, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 90, 126, 35.9, '売上金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 28, 90, 126, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 126, 34, 126, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 126, 162, 35.9, '入金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 29, 126, 162, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (1, 162, 34, 162, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (1, 162, 200, 35.9, '残高', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (1, 32, 162, 200, 42.6, 1, 1);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (1, 1, '0/1/2/3/22/23/37/36/27/35/28/29/32', '28/29');
-- 2: 顧客一覧表 (three lines a customer, as the list display shows them)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (2, '顧客一覧表', 2, 2, 2, 1, 14, 16.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 34, 200, 280, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 49, 200, 49, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 65.5, 200, 65.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 82, 200, 82, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 98.5, 200, 98.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 115, 200, 115, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 131.5, 200, 131.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 148, 200, 148, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 164.5, 200, 164.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 181, 200, 181, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 197.5, 200, 197.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 214, 200, 214, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 230.5, 200, 230.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 247, 200, 247, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 263.5, 200, 263.5, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 39, 200, 39, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 10, 44, 200, 44, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 58, 34, 58, 280, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 128, 34, 128, 280, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (2, 164, 34, 164, 280, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 58, 34.9, '顧客番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 4, 10, 58, 50.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 58, 128, 34.9, '郵便番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 7, 58, 128, 50.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 128, 164, 34.9, 'ＴＥＬ', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 10, 128, 164, 50.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 164, 200, 34.9, 'ＦＡＸ', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 11, 164, 200, 50.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 58, 39.9, '顧客名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 5, 10, 58, 55.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 58, 128, 39.9, '住所１', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 8, 58, 128, 55.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 128, 164, 39.9, '部署１', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 12, 128, 164, 55.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 164, 200, 39.9, '担当者１', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 13, 164, 200, 55.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 10, 58, 44.9, '顧客カナ名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 6, 10, 58, 60.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 58, 128, 44.9, '住所２', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 9, 58, 128, 60.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 128, 164, 44.9, '部署２', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 14, 128, 164, 60.2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (2, 164, 200, 44.9, '担当者２', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (2, 15, 164, 200, 60.2, 0, 0);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (2, 1, '0/1/2/3/37/4/7/10/11/5/8/12/13/6/9/14/15', '');
-- 3: 顧客台帳 (one card a customer, three cards a sheet)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (3, '顧客台帳', 3, 3, 3, 1, 3, 84, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 3, 100, 200, 19, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 1, 100, 200, 24, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 30, 200, 110, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 38, 200, 38, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 46, 200, 46, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 54, 200, 54, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 62, 200, 62, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 70, 200, 70, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 78, 200, 78, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 86, 200, 86, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 94, 200, 94, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 102, 200, 102, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 30, 34, 38, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 32.3, '顧客番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 30, 129, 38, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 30, 105, 38, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 32.3, '取引開始日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 38, 34, 46, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 40.3, 'フリガナ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 46, 34, 54, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 48.3, '顧客名', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 54, 34, 62, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 56.3, '郵便番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 54, 129, 62, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 54, 105, 62, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 56.3, '顧客分類', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 62, 34, 70, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 64.3, '住所１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 70, 34, 78, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 72.3, '住所２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 78, 34, 86, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 80.3, 'ＴＥＬ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 78, 129, 86, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 78, 105, 86, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 80.3, 'ＦＡＸ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 86, 34, 94, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 88.3, '部署１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 86, 129, 94, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 86, 105, 94, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 88.3, '担当者１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 94, 34, 102, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 96.3, '部署２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 94, 129, 102, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 94, 105, 102, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 96.3, '担当者２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 102, 34, 110, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 104.3, '消費税率', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 81, 102, 81, 110, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 57, 102, 57, 110, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 57, 81, 104.3, '端数処理', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 102, 129, 110, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 102, 105, 110, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 104.3, '締日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 176, 102, 176, 110, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 152, 102, 152, 110, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 152, 176, 104.3, '支払日', 2);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 51, 57, 104.3, '%', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 146, 152, 104.3, '日', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 194, 200, 104.3, '日', 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 114, 200, 194, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 122, 200, 122, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 130, 200, 130, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 138, 200, 138, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 146, 200, 146, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 154, 200, 154, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 162, 200, 162, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 170, 200, 170, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 178, 200, 178, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 186, 200, 186, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 114, 34, 122, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 116.3, '顧客番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 114, 129, 122, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 114, 105, 122, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 116.3, '取引開始日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 122, 34, 130, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 124.3, 'フリガナ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 130, 34, 138, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 132.3, '顧客名', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 138, 34, 146, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 140.3, '郵便番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 138, 129, 146, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 138, 105, 146, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 140.3, '顧客分類', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 146, 34, 154, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 148.3, '住所１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 154, 34, 162, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 156.3, '住所２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 162, 34, 170, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 164.3, 'ＴＥＬ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 162, 129, 170, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 162, 105, 170, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 164.3, 'ＦＡＸ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 170, 34, 178, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 172.3, '部署１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 170, 129, 178, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 170, 105, 178, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 172.3, '担当者１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 178, 34, 186, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 180.3, '部署２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 178, 129, 186, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 178, 105, 186, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 180.3, '担当者２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 186, 34, 194, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 188.3, '消費税率', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 81, 186, 81, 194, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 57, 186, 57, 194, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 57, 81, 188.3, '端数処理', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 186, 129, 194, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 186, 105, 194, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 188.3, '締日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 176, 186, 176, 194, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 152, 186, 152, 194, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 152, 176, 188.3, '支払日', 2);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 51, 57, 188.3, '%', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 146, 152, 188.3, '日', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 194, 200, 188.3, '日', 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 198, 200, 278, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 206, 200, 206, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 214, 200, 214, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 222, 200, 222, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 230, 200, 230, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 238, 200, 238, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 246, 200, 246, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 254, 200, 254, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 262, 200, 262, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 10, 270, 200, 270, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 198, 34, 206, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 200.3, '顧客番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 198, 129, 206, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 198, 105, 206, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 200.3, '取引開始日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 206, 34, 214, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 208.3, 'フリガナ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 214, 34, 222, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 216.3, '顧客名', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 222, 34, 230, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 224.3, '郵便番号', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 222, 129, 230, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 222, 105, 230, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 224.3, '顧客分類', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 230, 34, 238, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 232.3, '住所１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 238, 34, 246, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 240.3, '住所２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 246, 34, 254, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 248.3, 'ＴＥＬ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 246, 129, 254, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 246, 105, 254, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 248.3, 'ＦＡＸ', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 254, 34, 262, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 256.3, '部署１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 254, 129, 262, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 254, 105, 262, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 256.3, '担当者１', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 262, 34, 270, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 264.3, '部署２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 262, 129, 270, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 262, 105, 270, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 264.3, '担当者２', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 34, 270, 34, 278, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 10, 34, 272.3, '消費税率', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 81, 270, 81, 278, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 57, 270, 57, 278, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 57, 81, 272.3, '端数処理', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 129, 270, 129, 278, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 105, 270, 105, 278, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 105, 129, 272.3, '締日', 2);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 176, 270, 176, 278, 0, 2, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (3, 152, 270, 152, 278, 0, 4, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 152, 176, 272.3, '支払日', 2);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 51, 57, 272.3, '%', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 146, 152, 272.3, '日', 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (3, 194, 200, 272.3, '日', 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 4, 34, 105, 32.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 16, 129, 200, 32.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 6, 34, 200, 40.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 5, 34, 200, 48.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 7, 34, 105, 56.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 21, 129, 200, 56.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 8, 34, 200, 64.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 9, 34, 200, 72.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 10, 34, 105, 80.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 11, 129, 200, 80.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 12, 34, 105, 88.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 13, 129, 200, 88.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 14, 34, 105, 96.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 15, 129, 200, 96.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 17, 34, 52, 104.3, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 18, 81, 105, 104.3, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 19, 129, 147, 104.3, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (3, 20, 176, 195, 104.3, 1, 0);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (3, 1, '0/1/2/3/37/4/16/6/5/7/21/8/9/10/11/12/13/14/15/17/18/19/20', '');
-- 4: 担当者一覧表
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (4, '担当者一覧表', 4, 4, 4, 1, 37, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 34, 180, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 41, 180, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 47.5, 180, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 54, 180, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 60.5, 180, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 67, 180, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 73.5, 180, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 80, 180, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 86.5, 180, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 93, 180, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 99.5, 180, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 106, 180, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 112.5, 180, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 119, 180, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 125.5, 180, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 132, 180, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 138.5, 180, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 145, 180, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 151.5, 180, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 158, 180, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 164.5, 180, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 171, 180, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 177.5, 180, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 184, 180, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 190.5, 180, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 197, 180, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 203.5, 180, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 210, 180, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 216.5, 180, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 223, 180, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 229.5, 180, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 236, 180, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 242.5, 180, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 249, 180, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 255.5, 180, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 262, 180, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 268.5, 180, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 30, 275, 180, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (4, 30, 60, 35.9, '登録番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 4, 30, 60, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 60, 34, 60, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (4, 60, 120, 35.9, '部署名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 24, 60, 120, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (4, 120, 34, 120, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (4, 120, 180, 35.9, '担当者', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (4, 5, 120, 180, 42.6, 0, 0);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (4, 1, '0/1/2/3/37/4/24/5', '');
-- 5: 担当者別売上一覧表 (sales over the chosen months)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (5, '担当者別売上一覧表', 5, 5, 5, 1, 36, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 34, 188, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 41, 188, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 47.5, 188, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 54, 188, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 60.5, 188, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 67, 188, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 73.5, 188, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 80, 188, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 86.5, 188, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 93, 188, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 99.5, 188, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 106, 188, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 112.5, 188, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 119, 188, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 125.5, 188, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 132, 188, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 138.5, 188, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 145, 188, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 151.5, 188, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 158, 188, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 164.5, 188, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 171, 188, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 177.5, 188, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 184, 188, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 190.5, 188, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 197, 188, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 203.5, 188, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 210, 188, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 216.5, 188, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 223, 188, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 229.5, 188, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 236, 188, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 242.5, 188, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 249, 188, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 255.5, 188, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 262, 188, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 268.5, 188, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 22, 275, 188, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (5, 22, 48, 35.9, '登録番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 4, 22, 48, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 48, 34, 48, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (5, 48, 98, 35.9, '部署名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 24, 48, 98, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 98, 34, 98, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (5, 98, 148, 35.9, '担当者', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 5, 98, 148, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (5, 148, 34, 148, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (5, 148, 188, 35.9, '売上金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (5, 30, 148, 188, 42.6, 1, 1);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (5, 1, '0/1/2/3/37/4/24/5/30', '30');
-- 6: 商品一覧表
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (6, '商品一覧表', 6, 6, 6, 1, 37, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (6, 10, 40, 35.9, '商品番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 4, 10, 40, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 40, 34, 40, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (6, 40, 128, 35.9, '品名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 5, 40, 128, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 128, 34, 128, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (6, 128, 158, 35.9, '単価', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 26, 128, 158, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 158, 34, 158, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (6, 158, 178, 35.9, '単位', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (6, 25, 158, 178, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (6, 178, 34, 178, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (6, 178, 200, 35.9, '取扱有無', 2);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (6, 1, '0/1/2/3/37/4/5/26/25', '');
-- 7: セット商品一覧表
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (7, 'セット商品一覧表', 7, 7, 7, 1, 37, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (7, 10, 40, 35.9, '商品番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 4, 10, 40, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 40, 34, 40, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (7, 40, 128, 35.9, '品名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 5, 40, 128, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 128, 34, 128, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (7, 128, 158, 35.9, '単価', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 26, 128, 158, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 158, 34, 158, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (7, 158, 178, 35.9, '単位', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (7, 25, 158, 178, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (7, 178, 34, 178, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (7, 178, 200, 35.9, '取扱有無', 2);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (7, 1, '0/1/2/3/37/4/5/26/25', '');
-- 8: 売上一覧表 (the sales of one day)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (8, '売上一覧表', 8, 8, 8, 1, 36, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (8, 10, 38, 35.9, '伝票番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 27, 10, 38, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 38, 34, 38, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (8, 38, 66, 35.9, '顧客番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 4, 38, 66, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 66, 34, 66, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (8, 66, 156, 35.9, '顧客名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 5, 66, 156, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (8, 156, 34, 156, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (8, 156, 200, 35.9, '売上金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (8, 28, 156, 200, 42.6, 1, 1);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (8, 1, '0/1/2/3/37/27/4/5/28', '28');
-- 9: 入金一覧表 (the payments of one day)
INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, Rows, RowHeight, FontSize) VALUES (9, '入金一覧表', 9, 9, 9, 1, 36, 6.5, 9);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 0, 10, 200, 10, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 70, 19.6, 140, 19.6, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 70, 20.5, 140, 20.5, 0, 2, 0, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 3, 100, 200, 23, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 1, 100, 200, 28, 1, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 2, 90, 120, 286, 2, 0);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 37, 10, 100, 24, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 34, 200, 281.5, 0, 7, 0, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 41, 200, 41, 0, 4, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 47.5, 200, 47.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 54, 200, 54, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 60.5, 200, 60.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 67, 200, 67, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 73.5, 200, 73.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 80, 200, 80, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 86.5, 200, 86.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 93, 200, 93, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 99.5, 200, 99.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 106, 200, 106, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 112.5, 200, 112.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 119, 200, 119, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 125.5, 200, 125.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 132, 200, 132, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 138.5, 200, 138.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 145, 200, 145, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 151.5, 200, 151.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 158, 200, 158, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 164.5, 200, 164.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 171, 200, 171, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 177.5, 200, 177.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 184, 200, 184, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 190.5, 200, 190.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 197, 200, 197, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 203.5, 200, 203.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 210, 200, 210, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 216.5, 200, 216.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 223, 200, 223, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 229.5, 200, 229.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 236, 200, 236, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 242.5, 200, 242.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 249, 200, 249, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 255.5, 200, 255.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 262, 200, 262, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 268.5, 200, 268.5, 0, 2, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 10, 275, 200, 275, 0, 2, 2, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (9, 10, 38, 35.9, '顧客番号', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 4, 10, 38, 42.6, 2, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 38, 34, 38, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (9, 38, 128, 35.9, '顧客名', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 5, 38, 128, 42.6, 0, 0);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 128, 34, 128, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (9, 128, 172, 35.9, '入金額', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 29, 128, 172, 42.6, 1, 1);
INSERT INTO 一覧罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) VALUES (9, 172, 34, 172, 281.5, 0, 2, 0, 0);
INSERT INTO 一覧固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (9, 172, 200, 35.9, '科目', 2);
INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES (9, 35, 172, 200, 42.6, 2, 0);
INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (9, 1, '0/1/2/3/37/4/5/29/35', '29');

-- Delivered label sheets
-- ---------------------------------------------------------------------------
--
-- Three A4 label sheets as offices buy them, in millimetres from the paper's
-- corner: the top-left label's items are placed here, the others follow by
-- RowSpace (label pitch across) and ColSpace (label pitch down). Each label
-- prints the postal code, the two address lines, the name, the contact's
-- department and name, and small customer number and telephone, kept at
-- least 4 mm inside the label so that a sheet fed slightly askew loses
-- nothing.
--
-- The long envelope (長形3号, 120 x 235 mm) is written vertically. Its rows
-- are in the turned page's frame: the page lies landscape (235 x 120), X1
-- and X2 give the band across a column (120 minus the envelope's distance
-- from its left edge), Y1 where the column starts from the envelope's top.
-- The seven digits of the postal code go into the pre-printed boxes at the
-- top right.
INSERT INTO 宛名種類 (Code, Name, ItemCode, Rows, Cols, RowSpace, ColSpace, CharHorV, LabelPos) VALUES (1, 'A4 12面 (86.4×42.3mm)', 1, 6, 2, 86.4, 42.3, 0, 1);
INSERT INTO 宛名項目 (Code, PrintItem) VALUES (1, '0/13/8/9/10/11/12/14');
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 0, 24.6, 58.6, 25.6, 0, 9);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 13, 64.6, 99.6, 25.6, 1, 7);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 8, 24.6, 99.6, 30.6, 0, 10.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 9, 27.6, 99.6, 35.6, 0, 10.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 10, 24.6, 99.6, 42.1, 0, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 11, 28.6, 99.6, 48.6, 0, 9);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 12, 28.6, 97.6, 52.6, 1, 12);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (1, 14, 24.6, 78.6, 58.6, 0, 7);
INSERT INTO 宛名種類 (Code, Name, ItemCode, Rows, Cols, RowSpace, ColSpace, CharHorV, LabelPos) VALUES (2, 'A4 18面 (63.5×46.6mm)', 2, 6, 3, 66, 46.6, 0, 1);
INSERT INTO 宛名項目 (Code, PrintItem) VALUES (2, '0/13/8/9/10/11/12/14');
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 0, 12.2, 41.2, 13.7, 0, 8.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 13, 43.2, 66.2, 13.7, 1, 6.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 8, 12.2, 66.2, 18.7, 0, 9);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 9, 14.7, 66.2, 23.2, 0, 9);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 10, 12.2, 66.2, 29.7, 0, 12);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 11, 15.2, 66.2, 36.7, 0, 8);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 12, 15.2, 65.2, 40.7, 1, 11);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (2, 14, 12.2, 55.2, 48.2, 0, 6.5);
INSERT INTO 宛名種類 (Code, Name, ItemCode, Rows, Cols, RowSpace, ColSpace, CharHorV, LabelPos) VALUES (3, 'A4 24面 (70.0×33.9mm)', 3, 8, 3, 70, 33.9, 0, 1);
INSERT INTO 宛名項目 (Code, PrintItem) VALUES (3, '0/13/8/9/10/11/12/14');
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 0, 6, 36, 15.9, 0, 8);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 13, 40, 65, 15.9, 1, 6);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 8, 6, 65, 19.9, 0, 8.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 9, 8.5, 65, 23.7, 0, 8.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 10, 6, 65, 28.2, 0, 11);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 11, 9, 65, 33.9, 0, 7.5);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 12, 9, 64, 37.2, 1, 10);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (3, 14, 6, 50, 41.9, 0, 6);
INSERT INTO 宛名種類 (Code, Name, ItemCode, Rows, Cols, RowSpace, ColSpace, CharHorV, LabelPos) VALUES (4, '長形3号封筒 (縦書き)', 4, 1, 1, 0, 0, 1, 0);
INSERT INTO 宛名項目 (Code, PrintItem) VALUES (4, '1/2/3/4/5/6/7/8/9/10/11/12/13');
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 1, 49.8, 55.5, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 2, 42.8, 48.5, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 3, 35.8, 41.5, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 4, 28.5, 34.2, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 5, 21.7, 27.4, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 6, 14.9, 20.6, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 7, 8.1, 13.8, 13.7, 2, 13);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 8, 14, 26, 30, 0, 14);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 9, 26, 36, 38, 0, 12);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 10, 50, 66, 50, 0, 20);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 11, 70, 78, 80, 0, 12);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 12, 78, 90, 90, 0, 18);
INSERT INTO 宛名位置 (Code, ItemNo, X1, X2, Y1, Align, FontSize) VALUES (4, 13, 106, 112, 205, 0, 8);

-- ---------------------------------------------------------------------------
-- Version of the delivered layouts
-- ---------------------------------------------------------------------------
--
-- An installation keeps the layout file it was made with. At start a file
-- with a lower version than this is refreshed from these rows: layouts it
-- lacks are added, layouts exactly as an earlier version delivered them are
-- replaced, layouts the user changed are kept (see LayoutRefresh). Raise the
-- number whenever a delivered row changes, and run
-- scripts/layout-fingerprints.py so that the program recognises this
-- version's layouts as delivered ones in the next.
PRAGMA user_version = 1;
