#pragma once
#include "documents/SlipTotals.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The dates of one bill, YYYYMMDD and inclusive: its lines and payments run from Start
// to End (this closing date); the previous bill amount is the balance up to PreviousEnd.
struct BillPeriod {
    qint64 Start = 0;
    qint64 End = 0;
    qint64 PreviousEnd = 0;
};

// One posted line of a source document (delivery note or invoice) within a bill's period.
struct BillSourceLine {
    qint64 IssueYMD = 0;
    QString DocNumber;
    QString Goods;
    std::optional<double> Quantity;
    QString Unit;
    std::optional<double> UnitPrice;
    std::optional<double> Price;
    QString Remark;
    int TaxType = 0; // the source line's tax class
};

// What a bill gathers for one customer and period.
struct GatheredBill {
    QList<BillSourceLine> Lines; // by date, document number and line
    double PrvPrice = 0;         // 前回請求額: balance up to the previous closing date
    double Receive = 0;          // 入金額: payments in the period
    double CarryOver() const { return PrvPrice - Receive; }
};

// The columns of the bill grid, in the order the window shows and the store keeps them.
namespace BillColumn {
enum : int {
    Date = 0,
    Number = 1,
    Goods = 2,
    Quantity = 3,
    Unit = 4,
    UnitPrice = 5,
    Price = 6,
    Remark = 7,
    Tax = 8, // the tax class mark (SlipTotals::TaxMark)
    Count = 9
};
}

// The totals of a bill's grid.
struct BillTotals {
    double Total = 0;             // 税抜金額
    double Excise = 0;            // 税額
    double Price = 0;             // 税込金額
    double TotalPrice = 0;        // 請求額: with tax plus the carried-over amount
    SlipTotals::RateTotals Rates; // the same per rate
};

// Reads what a bill is made of: the lines of the customer's posted delivery notes or
// invoices in the period and the ledger sums before and within it. Only payments and
// sales of the chosen source type count, so a customer billed from delivery notes is not
// billed again for invoices posted alongside.
class BillGathering {
public:
    explicit BillGathering(Database& db) : m_db(db) {}

    // The period from this bill's month (year0/month0) back to the previous bill's month
    // under the customer's closing day and type (0 当月, else 次月); nothing when the
    // previous month is not strictly earlier.
    static std::optional<BillPeriod> Period(int year0, int month0, int year1, int month1,
                                            int closingDay, int closingType);

    // `sourceType` is 2 (delivery notes) or 3 (invoices).
    GatheredBill Gather(const QString& userCode, const BillPeriod& period, int sourceType) const;

    // The grid rows of the lines: each row's cells (BillColumn), the date and the number left empty
    // where they repeat the row above. `papers` receives the count of dates (two
    // documents of one date count once).
    static QList<QStringList> GridRows(const QList<BillSourceLine>& lines, const QString& numFormat,
                                       int* papers);

    // Totals of grid rows: tax is worked out per date group (a row with a date different
    // from the last one seen starts a group) at `excisePercent` and rounded with
    // `taxFraction`. Rows of the reduced class are taxed at `reducedPercent`, per date
    // group and rounded on their own; rows without tax add no tax. With every row
    // standard the figures are those of one rate.
    static BillTotals Totals(const QList<QStringList>& rows, double excisePercent, int taxFraction,
                             double carryOver, double reducedPercent = 8);

private:
    Database& m_db;
};
