-- The same carried sums of the ledger as ../0003-ledger-carried-totals.sql, for a
-- database on PostgreSQL, whose triggers call a function instead of holding the
-- statements. One function serves every change: an old row below the carry date is taken
-- out of its customer's sums, a new one below it is added, so an update that moves a row
-- across the date, or to another customer, keeps the sums right. The function is written
-- on one line because the loader ends a statement at a terminator at the end of a line.
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
CREATE FUNCTION 売掛繰越_Keep() RETURNS trigger LANGUAGE plpgsql AS $$ DECLARE carry INTEGER := (SELECT CarryYMD FROM 売掛繰越日 LIMIT 1); BEGIN IF TG_OP IN ('UPDATE', 'DELETE') AND OLD.SaleYMD < carry THEN UPDATE 売掛繰越 SET Price = Price - COALESCE(OLD.Price, 0), Receive = Receive - COALESCE(OLD.Receive, 0) WHERE UserCode = OLD.UserCode; END IF; IF TG_OP IN ('INSERT', 'UPDATE') AND NEW.SaleYMD < carry THEN INSERT INTO 売掛繰越 AS c (UserCode, Price, Receive) VALUES (NEW.UserCode, COALESCE(NEW.Price, 0), COALESCE(NEW.Receive, 0)) ON CONFLICT (UserCode) DO UPDATE SET Price = c.Price + excluded.Price, Receive = c.Receive + excluded.Receive; END IF; RETURN NULL; END $$;
CREATE TRIGGER 売掛繰越_Keep AFTER INSERT OR UPDATE OR DELETE ON 売掛 FOR EACH ROW EXECUTE FUNCTION 売掛繰越_Keep();
