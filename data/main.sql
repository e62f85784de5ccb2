-- Kivora main database (Kivora0.MDB): customers, masters, documents,
-- receivables and bills. This script builds a fresh, empty file.
--
-- Conventions used throughout:
--   * Table names are Japanese, column names English CamelCase, exactly as
--     the windows refer to them in their SQL texts.
--   * Codes and free texts are TEXT. The default collation (BINARY) is kept
--     on purpose: customer codes are digits compared as text, and every list
--     ordered by Code relies on plain byte order.
--   * Dates are INTEGER YYYYMMDD so that BETWEEN compares them numerically.
--   * Amounts, prices, quantities and tax rates are REAL (whole yen after
--     rounding, but decimal prices and quantities are allowed).
--   * Bytes, flags and counts are INTEGER.
--   * Key columns are NOT NULL. Everything else stays nullable with a
--     default of empty text or 0, because the windows fill a row field by field and
--     a column they skip must read back as empty text or 0. Line quantities,
--     unit prices and amounts have no default: an empty grid cell is stored
--     as NULL and has to come back as an empty cell.
--   * Only plain CREATE TABLE / CREATE INDEX / INSERT ... VALUES, so the
--     script also runs on other SQL engines without edits.
--   * The loader splits statements at a terminator at the end of a line, so
--     no comment or string literal in this file contains one.

-- ---------------------------------------------------------------------------
-- Customers
-- ---------------------------------------------------------------------------

-- One row per customer. Bank, Branch, Owner, AccountType and PaymentType are
-- rewritten as empty / 0 on every save and read by nothing, but they stay so
-- that SELECT * keeps the full customer record.
CREATE TABLE 顧客 (
    Code        TEXT    NOT NULL,
    Name        TEXT    DEFAULT '',
    Kana        TEXT    DEFAULT '',
    Prefix1     TEXT    DEFAULT '',
    ZipCode     TEXT    DEFAULT '',
    Address1    TEXT    DEFAULT '',
    Address2    TEXT    DEFAULT '',
    TEL         TEXT    DEFAULT '',
    FAX         TEXT    DEFAULT '',
    Portable    TEXT    DEFAULT '',
    Position1   TEXT    DEFAULT '',
    Charge1     TEXT    DEFAULT '',
    Position2   TEXT    DEFAULT '',
    Charge2     TEXT    DEFAULT '',
    Prefix2     TEXT    DEFAULT '',
    Remark      TEXT    DEFAULT '',
    Class       TEXT    DEFAULT '',
    BusinessYMD INTEGER DEFAULT 0,
    Excise      REAL    DEFAULT 0,
    Fraction    INTEGER DEFAULT 0,
    ClosingDay  INTEGER DEFAULT 0,
    Payment     INTEGER DEFAULT 0,
    Mail        INTEGER DEFAULT 0,
    ClosingType INTEGER DEFAULT 0,
    Bank        TEXT    DEFAULT '',
    Branch      TEXT    DEFAULT '',
    Owner       TEXT    DEFAULT '',
    AccountType INTEGER DEFAULT 0,
    PaymentType INTEGER DEFAULT 0,
    PRIMARY KEY (Code)
);

-- The customer search filters and sorts by name or reading, and the customer
-- list filters by class.
CREATE INDEX IX_顧客_Name ON 顧客 (Name);
CREATE INDEX IX_顧客_Kana ON 顧客 (Kana);
CREATE INDEX IX_顧客_Class ON 顧客 (Class);

-- Customer classes. Joined to the customer by 顧客.Class = 顧客分類.Code.
CREATE TABLE 顧客分類 (
    Code TEXT NOT NULL,
    Name TEXT DEFAULT '',
    PRIMARY KEY (Code)
);

-- The class search and the registration list may sort by name.
CREATE INDEX IX_顧客分類_Name ON 顧客分類 (Name);

-- ---------------------------------------------------------------------------
-- Masters
-- ---------------------------------------------------------------------------

-- Staff members. Documents keep only the code, the ledger keeps code and name.
CREATE TABLE 担当者 (
    Code     TEXT NOT NULL,
    Position TEXT DEFAULT '',
    Name     TEXT DEFAULT '',
    PRIMARY KEY (Code)
);

-- The staff search and the registration list may sort by name.
CREATE INDEX IX_担当者_Name ON 担当者 (Name);

-- Units. Code is a two-digit text (01, 02 ...) that fixes the list order,
-- lines and goods store the unit name itself.
CREATE TABLE 単位 (
    Code TEXT NOT NULL,
    Unit TEXT DEFAULT '',
    PRIMARY KEY (Code)
);

-- Goods. An empty price is stored as 0.
CREATE TABLE 商品 (
    Code      TEXT NOT NULL,
    Name      TEXT DEFAULT '',
    Kana      TEXT DEFAULT '',
    UnitPrice REAL DEFAULT 0,
    Unit      TEXT DEFAULT '',
    PRIMARY KEY (Code)
);

CREATE INDEX IX_商品_Name ON 商品 (Name);

-- Set goods: same shape as 商品, separate code space.
CREATE TABLE セット商品 (
    Code      TEXT NOT NULL,
    Name      TEXT DEFAULT '',
    Kana      TEXT DEFAULT '',
    UnitPrice REAL DEFAULT 0,
    Unit      TEXT DEFAULT '',
    PRIMARY KEY (Code)
);

CREATE INDEX IX_セット商品_Name ON セット商品 (Name);

-- Composition of a set, one row per component, read in Count order. The key
-- doubles as the index for the lookup by Code in Count order.
CREATE TABLE 商品構成 (
    Code      TEXT    NOT NULL,
    Count     INTEGER NOT NULL,
    GoodsCode TEXT    DEFAULT '',
    Name      TEXT    DEFAULT '',
    Kana      TEXT    DEFAULT '',
    UnitPrice REAL    DEFAULT 0,
    Unit      TEXT    DEFAULT '',
    PRIMARY KEY (Code, Count)
);

-- Tax rates offered in the rate lists. Code is the row number of the options
-- window (1, 2, 3 ...) and the list order.
CREATE TABLE 税率 (
    Code   INTEGER NOT NULL,
    Excise REAL    DEFAULT 0,
    PRIMARY KEY (Code)
);

-- Own company, exactly one row. The column order matters: the company window
-- reads Address1 .. Bank2 by position 3 .. 8, so the first nine columns must
-- stay Name, Represent, ZipCode, Address1, Address2, TEL, FAX, Bank1, Bank2.
-- No key: the table is opened whole and its single row edited in place.
CREATE TABLE 自社情報 (
    Name           TEXT    DEFAULT '',
    Represent      TEXT    DEFAULT '',
    ZipCode        TEXT    DEFAULT '',
    Address1       TEXT    DEFAULT '',
    Address2       TEXT    DEFAULT '',
    TEL            TEXT    DEFAULT '',
    FAX            TEXT    DEFAULT '',
    Bank1          TEXT    DEFAULT '',
    Bank2          TEXT    DEFAULT '',
    Excise         REAL    DEFAULT 0,
    ExciseFraction INTEGER DEFAULT 0,
    PriceFraction  INTEGER DEFAULT 0,
    ClosingDay     INTEGER DEFAULT 0,
    Payment        INTEGER DEFAULT 0,
    ClosingType    INTEGER DEFAULT 0
);

-- ---------------------------------------------------------------------------
-- Documents
-- ---------------------------------------------------------------------------

-- Header of every document (types 0-6). FixDate and Term are free texts
-- (year/month/day, parts may be empty), not dates.
CREATE TABLE 伝票管理 (
    UserCode   TEXT    NOT NULL,
    DocType    INTEGER NOT NULL,
    DocNumber  TEXT    NOT NULL,
    IssueYMD   INTEGER DEFAULT 0,
    AddUpSale  INTEGER DEFAULT 0,
    ChargeCode TEXT    DEFAULT '',
    Remark     TEXT    DEFAULT '',
    FixDate    TEXT    DEFAULT '',
    Term       TEXT    DEFAULT '',
    Deliver    TEXT    DEFAULT '',
    Business   TEXT    DEFAULT '',
    PRIMARY KEY (UserCode, DocType, DocNumber)
);

-- History sorted by date, and the bill gathering that selects the customer
-- documents of one type by issue date range.
CREATE INDEX IX_伝票管理_Issue ON 伝票管理 (UserCode, DocType, IssueYMD);

-- Lines of estimates, orders, delivery notes and invoices. Each document type
-- has its own table, so UserCode + Number identifies the document and Count
-- orders its lines. The key serves the lookup by UserCode and Number in
-- Count order and the join from 伝票管理 in the bill gathering.
CREATE TABLE 見積 (
    UserCode  TEXT    NOT NULL,
    Number    TEXT    NOT NULL,
    Count     INTEGER NOT NULL,
    GoodsCode TEXT    DEFAULT '',
    Goods     TEXT    DEFAULT '',
    Quantity  REAL,
    Unit      TEXT    DEFAULT '',
    UnitPrice REAL,
    Price     REAL,
    Remark    TEXT    DEFAULT '',
    GoodsType INTEGER DEFAULT 0,
    TaxType   INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, Count)
);

CREATE TABLE 注文 (
    UserCode  TEXT    NOT NULL,
    Number    TEXT    NOT NULL,
    Count     INTEGER NOT NULL,
    GoodsCode TEXT    DEFAULT '',
    Goods     TEXT    DEFAULT '',
    Quantity  REAL,
    Unit      TEXT    DEFAULT '',
    UnitPrice REAL,
    Price     REAL,
    Remark    TEXT    DEFAULT '',
    GoodsType INTEGER DEFAULT 0,
    TaxType   INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, Count)
);

CREATE TABLE 納品 (
    UserCode  TEXT    NOT NULL,
    Number    TEXT    NOT NULL,
    Count     INTEGER NOT NULL,
    GoodsCode TEXT    DEFAULT '',
    Goods     TEXT    DEFAULT '',
    Quantity  REAL,
    Unit      TEXT    DEFAULT '',
    UnitPrice REAL,
    Price     REAL,
    Remark    TEXT    DEFAULT '',
    GoodsType INTEGER DEFAULT 0,
    TaxType   INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, Count)
);

CREATE TABLE 請求 (
    UserCode  TEXT    NOT NULL,
    Number    TEXT    NOT NULL,
    Count     INTEGER NOT NULL,
    GoodsCode TEXT    DEFAULT '',
    Goods     TEXT    DEFAULT '',
    Quantity  REAL,
    Unit      TEXT    DEFAULT '',
    UnitPrice REAL,
    Price     REAL,
    Remark    TEXT    DEFAULT '',
    GoodsType INTEGER DEFAULT 0,
    TaxType   INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, Count)
);

-- Last document number saved per customer and type. A new customer gets a
-- row with every number column empty, so they default to empty text.
CREATE TABLE 前回伝票 (
    UserCode TEXT NOT NULL,
    DocNumE  TEXT DEFAULT '',
    DocNumO  TEXT DEFAULT '',
    DocNumD  TEXT DEFAULT '',
    DocNumB  TEXT DEFAULT '',
    DocNumR  TEXT DEFAULT '',
    DocNumBD TEXT DEFAULT '',
    DocNumBT TEXT DEFAULT '',
    PRIMARY KEY (UserCode)
);

-- Receipts: one row per receipt next to its 伝票管理 row (DocType 6).
-- BillTerm is the bill due date as typed, year/month/day with possibly
-- empty parts, hence text.
CREATE TABLE 領収 (
    UserCode   TEXT NOT NULL,
    Number     TEXT NOT NULL,
    Price1     REAL DEFAULT 0,
    Price2     REAL DEFAULT 0,
    Price3     REAL DEFAULT 0,
    Price4     REAL DEFAULT 0,
    Price5     REAL DEFAULT 0,
    Price6     REAL DEFAULT 0,
    TotalPrice REAL DEFAULT 0,
    Remark     TEXT DEFAULT '',
    BillTerm   TEXT DEFAULT '',
    BillNumber TEXT DEFAULT '',
    PRIMARY KEY (UserCode, Number)
);

-- ---------------------------------------------------------------------------
-- Receivables
-- ---------------------------------------------------------------------------

-- One row per posted sale (Division 0, DocType > 0) or per payment
-- (Division 1-6, DocType 0). There is no natural key: several sales may
-- share a customer and date, so rows are told apart by the implicit rowid.
CREATE TABLE 売掛 (
    UserCode   TEXT    DEFAULT '',
    SaleYMD    INTEGER DEFAULT 0,
    DocType    INTEGER DEFAULT 0,
    DocNumber  TEXT    DEFAULT '',
    Price      REAL    DEFAULT 0,
    Receive    REAL    DEFAULT 0,
    Division   INTEGER DEFAULT 0,
    Charge     TEXT    DEFAULT '',
    ChargeCode TEXT    DEFAULT ''
);

-- Ledger of one customer by period (ordered by date, then sales before
-- payments) and the payment lookup by customer, date and Division.
CREATE INDEX IX_売掛_UserDate ON 売掛 (UserCode, SaleYMD, Division);
-- Lists that span all customers by date: the ledger overview, the sales
-- or payments of one day, customers with sales in a month, staff sales.
CREATE INDEX IX_売掛_SaleYMD ON 売掛 (SaleYMD);
-- The receivables list of a month sums every customer's rows up to the month's end:
-- with the amounts in the index it reads them customer by customer without the table.
CREATE INDEX IX_売掛_Balance ON 売掛 (UserCode, SaleYMD, Price, Receive);
-- A saved delivery note or invoice finds and replaces its own posted row.
CREATE INDEX IX_売掛_Doc ON 売掛 (UserCode, DocType, DocNumber);

-- ---------------------------------------------------------------------------
-- Bills
-- ---------------------------------------------------------------------------

-- One row per bill (DocType 4 or 5). The amount columns hold the texts shown
-- in the labels of the bill window, yen mark and separators included, so they are TEXT.
CREATE TABLE 合計請求 (
    UserCode   TEXT    NOT NULL,
    Number     TEXT    NOT NULL,
    DocType    INTEGER NOT NULL,
    PrvPrice   TEXT    DEFAULT '',
    Receive    TEXT    DEFAULT '',
    CarryOver  TEXT    DEFAULT '',
    Total      TEXT    DEFAULT '',
    Excise     TEXT    DEFAULT '',
    Price      TEXT    DEFAULT '',
    TotalPrice TEXT    DEFAULT '',
    Papers     INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, DocType)
);

-- Lines of a bill. IssueYMD is filled only on the first line of each date
-- and must stay NULL elsewhere (printed and shown as empty), so it has no
-- default, likewise the numeric cells that may be empty.
CREATE TABLE 明細請求 (
    UserCode  TEXT    NOT NULL,
    Number    TEXT    NOT NULL,
    DocType   INTEGER NOT NULL,
    Count     INTEGER NOT NULL,
    IssueYMD  INTEGER,
    DocNumber TEXT    DEFAULT '',
    Goods     TEXT    DEFAULT '',
    Quantity  REAL,
    Unit      TEXT    DEFAULT '',
    UnitPrice REAL,
    Price     REAL,
    Remark    TEXT    DEFAULT '',
    GoodsType INTEGER DEFAULT 0,
    TaxType   INTEGER DEFAULT 0,
    PRIMARY KEY (UserCode, Number, DocType, Count)
);

-- ---------------------------------------------------------------------------
-- Delivered rows
-- ---------------------------------------------------------------------------

-- The company window only edits an existing row, so the file ships with one:
-- a neutral sample the user overwrites with the real company data.
-- Tax 10 %, truncation for tax and line amounts, closing and payment at
-- month end, period closing in the processing month.
INSERT INTO 自社情報 (Name, Represent, ZipCode, Address1, Address2, TEL, FAX, Bank1, Bank2, Excise, ExciseFraction, PriceFraction, ClosingDay, Payment, ClosingType)
VALUES ('株式会社サンプル商事', '代表取締役 見本 太郎', '100-0001', '東京都千代田区千代田1-1', '見本ビル3階', '03-0000-0000', '03-0000-0001', '見本銀行 本店 普通 1234567', '見本信用金庫 中央支店 当座 7654321', 10, 0, 0, 31, 31, 0);

-- Rates offered in the lists: standard and reduced.
INSERT INTO 税率 (Code, Excise) VALUES (1, 10);
INSERT INTO 税率 (Code, Excise) VALUES (2, 8);
