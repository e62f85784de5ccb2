#pragma once
#include "core/RecordSet.h"

#include <QString>

class Database;

// The list kinds the display, the export and the list printing tell lists apart by. The
// ledger hands over 0 and 1; the list windows set the others.
namespace ListType {
enum : int {
    Receivables = 0,  // every customer's month (ledger)
    Transactions = 1, // one customer's rows (ledger)
    Customers = 2,
    CustomerCards = 3,
    Staff = 4,
    StaffSales = 5,
    Goods = 6,
    SetGoods = 7,
    DaySales = 8,
    DayPayments = 9,
    Labels = 99
};
}

// Which customers a customer list holds.
namespace CustomerArea {
enum : int { All = 0, Range = 1, SalesMonth = 2, Count = 3 };
}

struct CustomerFilter {
    int Area = CustomerArea::All;
    QString From; // code range, compared as texts
    QString To;
    int Year = 0; // month with sales
    int Month = 0;
    bool ByClass = false;
    QString ClassCode;
    QString ClassName;
    bool MailOnly = false; // only customers who receive mail (Mail = 0)
};

// A query's rows and the text that describes the selection in the list's header.
struct ListResult {
    RecordSet Rows;
    QString Subtitle;
};

// The selections of the list windows. Every condition goes in as a bound value.
class ListQueries {
public:
    explicit ListQueries(Database& db) : m_db(db) {}

    // Customers with their class code and name (ClassCode, ClassName).
    ListResult Customers(const CustomerFilter& filter) const;
    // Staff, of one department when `department` is not empty; with `withSales`, each with
    // PriceTotal: the sales between the two dates that name both his name and his code.
    ListResult Staff(const QString& department, bool withSales, qint64 from, qint64 to) const;
    // Goods or set goods.
    ListResult Goods(bool sets) const;
    // The sales (Price) or payments (Receive, Division) of one day with the customer's code
    // and name; `paymentKind` 0 takes every payment kind, 1-6 one of them.
    ListResult Day(bool payments, qint64 ymd, int paymentKind) const;

private:
    Database& m_db;
};
