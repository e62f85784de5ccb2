-- Every customer's sums of the ledger before one date, kept up to date by triggers, so
-- that the list of a month reads these sums and the rows since that date instead of
-- the whole ledger. The program moves the date forward as the years go by; 0 means no
-- sums are kept yet. A trigger is written on one line because the loader ends a
-- statement at a terminator at the end of a line.
CREATE TABLE 売掛繰越日 (
    CarryYMD INTEGER NOT NULL
);
INSERT INTO 売掛繰越日 (CarryYMD) VALUES (0);
CREATE TABLE 売掛繰越 (
    UserCode TEXT NOT NULL PRIMARY KEY,
    Price    REAL DEFAULT 0,
    Receive  REAL DEFAULT 0
);
CREATE INDEX IX_売掛_Since ON 売掛 (SaleYMD, UserCode, Price, Receive);
CREATE TRIGGER 売掛繰越_Insert AFTER INSERT ON 売掛 WHEN NEW.SaleYMD < (SELECT CarryYMD FROM 売掛繰越日) BEGIN INSERT INTO 売掛繰越 (UserCode, Price, Receive) VALUES (NEW.UserCode, COALESCE(NEW.Price, 0), COALESCE(NEW.Receive, 0)) ON CONFLICT (UserCode) DO UPDATE SET Price = Price + excluded.Price, Receive = Receive + excluded.Receive; END;
CREATE TRIGGER 売掛繰越_Delete AFTER DELETE ON 売掛 WHEN OLD.SaleYMD < (SELECT CarryYMD FROM 売掛繰越日) BEGIN UPDATE 売掛繰越 SET Price = Price - COALESCE(OLD.Price, 0), Receive = Receive - COALESCE(OLD.Receive, 0) WHERE UserCode = OLD.UserCode; END;
CREATE TRIGGER 売掛繰越_UpdateOld AFTER UPDATE ON 売掛 WHEN OLD.SaleYMD < (SELECT CarryYMD FROM 売掛繰越日) BEGIN UPDATE 売掛繰越 SET Price = Price - COALESCE(OLD.Price, 0), Receive = Receive - COALESCE(OLD.Receive, 0) WHERE UserCode = OLD.UserCode; END;
CREATE TRIGGER 売掛繰越_UpdateNew AFTER UPDATE ON 売掛 WHEN NEW.SaleYMD < (SELECT CarryYMD FROM 売掛繰越日) BEGIN INSERT INTO 売掛繰越 (UserCode, Price, Receive) VALUES (NEW.UserCode, COALESCE(NEW.Price, 0), COALESCE(NEW.Receive, 0)) ON CONFLICT (UserCode) DO UPDATE SET Price = Price + excluded.Price, Receive = Receive + excluded.Receive; END;
