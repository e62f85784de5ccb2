-- Several seats may work on one database. A customer, a document (its 伝票管理 row
-- stands for its lines, a receipt's and a bill's too) and a payment in 売掛 carry a
-- stamp that every write replaces, so that a seat saving what it read can tell that
-- another seat changed it since. Rows written before read as 0.
ALTER TABLE 顧客 ADD COLUMN Stamp INTEGER DEFAULT 0;
ALTER TABLE 伝票管理 ADD COLUMN Stamp INTEGER DEFAULT 0;
ALTER TABLE 売掛 ADD COLUMN Stamp INTEGER DEFAULT 0;
