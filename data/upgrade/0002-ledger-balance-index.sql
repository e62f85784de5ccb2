-- The receivables list of a month sums every customer's rows up to the month's end:
-- with the amounts in the index it reads them customer by customer without the table.
CREATE INDEX IX_売掛_Balance ON 売掛 (UserCode, SaleYMD, Price, Receive);
