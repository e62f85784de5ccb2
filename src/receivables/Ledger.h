#pragma once
#include "core/RecordSet.h"
#include "core/RowStamp.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The two views of the receivables window over the same grid. The numbers are also the
// list kinds the list printing is handed (売掛一覧 0, 取引履歴 1).
namespace LedgerMode {
enum : int { List = 0, Customer = 1 };
}

// Division of a 売掛 row: 0 for a posted sale, 1-6 for the kind of a payment, named by
// string resources 501-506.
namespace PaymentKind {
enum : int { Sale = 0, Cash = 1, Cheque = 2, Transfer = 3, Bill = 4, Offset = 5, Other = 6 };
constexpr int First = Cash;
constexpr int Last = Other;
} // namespace PaymentKind

// Every balance counts from this date: nothing can be entered before 1990.
constexpr qint64 LedgerOrigin = 19900101;

// How the company closes its months (自社情報): the closing day (a day beyond a month's
// length is that month's last day) and whether a month's period ends in it (0, 当月) or
// in the next month (1, 次月).
struct ClosingRule {
    int Day = 1;
    int Type = 0;
};

// The dates of one processing month, all YYYYMMDD and inclusive.
struct LedgerPeriod {
    qint64 Start = 0;
    qint64 End = 0;
    qint64 PreviousEnd = 0; // end of the period before: the carry-over runs up to it
};

// One row of a customer's ledger with the running balance after it.
struct LedgerEntry {
    qint64 SaleYMD = 0;
    int DocType = 0; // 0 for a payment, the posting document's type for a sale
    QString DocNumber;
    double Price = 0;
    double Receive = 0;
    int Division = 0;
    double Balance = 0;
    qint64 Stamp = 0; // as read: what a correction of this payment expects to find
    bool isPayment() const { return DocType == 0; }
};

struct CustomerLedger {
    double CarryOver = 0;
    QList<LedgerEntry> Entries;
    RecordSet Records; // the rows as read, for the list printing
};

// One customer of the all-customers list.
struct LedgerListRow {
    QString Code;
    QString Name;
    double CarryOver = 0;
    double Sales = 0;
    double Receipts = 0;
    double Balance = 0;
};

struct LedgerList {
    QList<LedgerListRow> Rows;
    RecordSet Records; // one row per customer shown, for the list printing
};

// What the list printing needs to print the view on the screen again: its title and
// kind, the rows, the month, and the date range of the sums it computes per customer
// (the period in the list, the carry-over range in a customer's ledger).
struct LedgerPrintSource {
    QString Caption;
    int ListKind = LedgerMode::List;
    RecordSet Records;
    QString MonthText;
    qint64 From = 0;
    qint64 To = 0;
};

// The payment the entry dialog and the ledger window hand each other.
struct ReceiveParam {
    QString DateText; // YYYY/MM when the dialog opens, YYYYMMDD after OK
    int Day = 1;      // the day of the payment being corrected
    double Amount = 0;
    int Kind = PaymentKind::Cash;
    bool Edit = false;           // a correction: the day stays as it is
    std::optional<qint64> Stamp; // a correction: the payment as read
};

// Periods, queries and balances of the receivables ledger, and the writes of payments.
class Ledger {
public:
    explicit Ledger(Database& db) : m_db(db) {}

    // The company's closing rule; day 1, type 0 when the company row is missing.
    ClosingRule Closing() const;

    // The period of processing month `year`/`month` under `rule`.
    static LedgerPeriod Period(int year, int month, const ClosingRule& rule);

    // The customer's rows of the period (by date, sales before payments on one date)
    // with running balances from the carry-over before the period.
    CustomerLedger ReadCustomer(const QString& code, const LedgerPeriod& period) const;

    // The balance a customer carries into the range's end: sales less payments from
    // `from` to `to`; 0 for a customer without rows there.
    double CarryOver(const QString& code, qint64 from, qint64 to) const;

    // A customer's figures of a month from the sums up to the period's end (priceTotal,
    // receiveTotal) and the period's own (periodPrice, periodReceive): carried over, sold,
    // paid and owed. Code and name are left empty.
    static LedgerListRow Figures(double priceTotal, double receiveTotal, double periodPrice,
                                 double periodReceive);
    // True when the figures show nothing carried, sold, paid or owed: the list leaves the
    // customer out.
    static bool IsQuiet(const LedgerListRow& row);

    // Every customer with a row up to the period's end whose carry-over, sales, payments
    // and balance are not all zero, by code.
    LedgerList ReadList(const LedgerPeriod& period) const;

    // True when the customer has a payment on `ymd`.
    bool PaymentExists(const QString& code, qint64 ymd) const;
    // The stamp of the customer's payment of `ymd`; nothing when there is none.
    std::optional<qint64> PaymentStamp(const QString& code, qint64 ymd) const;
    // Stores the customer's payment of `ymd`, replacing the one of that date if there is
    // one; one transaction. The stored payment must be as `expect` says
    // (ChangedElsewhere otherwise).
    void StorePayment(const QString& code, qint64 ymd, double amount, int kind,
                      const Expect& expect = Expect::Anything());
    // Deletes the customer's payment of `ymd`; false when there was none.
    bool DeletePayment(const QString& code, qint64 ymd);

    // The hand-off to the list printing for the view in `mode`.
    static LedgerPrintSource PrintSource(int mode, const LedgerPeriod& period,
                                         const RecordSet& records, const QString& monthText);

    // "現金" … "その他" for kinds 1-6; empty for a sale or an unknown kind.
    static QString KindName(int division);
    // The kind named `name`; nothing for a text that names none.
    static std::optional<int> KindOf(const QString& name);

    // How a typed payment amount stands: Msg::Enter for an empty or zero amount,
    // Msg::Digits for a text that is no number, Msg::SubjectOnly when it is accepted.
    static int CheckAmount(const QString& text);
    // YYYYMMDD of month text "YYYY/MM" and a day "DD"; nothing when that is no calendar
    // date (2001/02/30).
    static std::optional<qint64> PaymentDate(const QString& monthText, const QString& dayText);

    // The processing months offered: "1990/01" … "2200/12".
    static QStringList MonthTexts();
    // Year and month of a "YYYY/MM" text.
    static std::optional<std::pair<int, int>> ParseMonth(const QString& text);

private:
    Database& m_db;
};
