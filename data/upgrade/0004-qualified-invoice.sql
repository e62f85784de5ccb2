-- Qualified invoices. The company's registration number ("T" and 13 digits, empty
-- while not registered) and the reduced consumption-tax rate live with the company
-- row, so every seat of one office prints and computes the same. Goods get the tax
-- class a line takes when it is filled by code: 0 standard, 1 reduced, 2 not taxed.
-- Document and bill lines already carry TaxType, written 0 so far, so an older file
-- reads with every line at the standard rate.
ALTER TABLE 自社情報 ADD COLUMN RegistNumber TEXT DEFAULT '';
ALTER TABLE 自社情報 ADD COLUMN ReducedExcise REAL DEFAULT 8;
ALTER TABLE 商品 ADD COLUMN TaxType INTEGER DEFAULT 0;
