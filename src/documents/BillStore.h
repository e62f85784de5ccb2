#pragma once
#include "core/RowStamp.h"
#include <QList>
#include <QString>
#include <optional>

class Database;

// The sums of a bill (its 合計請求 row), kept as numbers.
struct BillSummary {
    double PrvPrice = 0;   // 前回請求額
    double Receive = 0;    // 入金額
    double CarryOver = 0;  // 繰越金額
    double Total = 0;      // 税抜金額
    double Excise = 0;     // 税額
    double Price = 0;      // 税込金額
    double TotalPrice = 0; // 請求額
    int Papers = 0;        // 伝票枚数
};

// One line of a bill (明細請求). IssueYMD is 0 and DocNumber empty on lines that repeat
// the line above; Count is the grid row, so lines not stored leave gaps.
struct BillLine {
    int Count = 0;
    qint64 IssueYMD = 0;
    QString DocNumber;
    QString Goods;
    std::optional<double> Quantity;
    QString Unit;
    std::optional<double> UnitPrice;
    std::optional<double> Price;
    QString Remark;
    int TaxType = 0; // the tax class the line was gathered with (TaxClass)
};

// A detailed (type 4) or summary (type 5) bill as stored.
struct Bill {
    QString UserCode;
    int DocType = 4;
    QString Number;
    qint64 IssueYMD = 0;
    QString ChargeCode;
    QString ChargeName; // on save: the staff name the window shows; read from 担当者
    QString ChargePosition;
    QString Remark;
    QString Term;              // this closing date, "0/00/00"
    QString FixDate;           // the previous closing date, "0/00/00"
    bool FromInvoices = false; // gathered from invoices (1) or delivery notes (0)
    BillSummary Summary;
    QList<BillLine> Lines;
    qint64 Stamp = 0; // as read: what a save of this bill expects to find
};

// Stores bills: the header in 伝票管理, the sums in 合計請求, the lines in 明細請求 and the
// last number per customer in 前回伝票 (DocNumBD or DocNumBT). A bill posts nothing to
// 売掛: its amounts are already there. Each operation that writes is one transaction.
class BillStore {
public:
    explicit BillStore(Database& db) : m_db(db) {}

    bool Exists(const QString& userCode, int docType, const QString& number) const;
    // Nothing when the customer has no bill of this type and number. A header without a
    // 合計請求 row reads with zero sums.
    std::optional<Bill> Read(const QString& userCode, int docType, const QString& number) const;
    // The same read on a database the caller may only read (the print run).
    static std::optional<Bill> Read(const Database& db, const QString& userCode, int docType,
                                    const QString& number);
    // Adds or replaces the header and the sums, replaces the lines with those of
    // `bill.Lines` that have a name, and remembers the number — whole or not at all.
    // The stored bill must be as `expect` says (see DocumentStore::Save).
    void Save(const Bill& bill, const Expect& expect = Expect::Anything());
    // The stamp of the stored bill; nothing when there is none.
    std::optional<qint64> Stamp(const QString& userCode, int docType, const QString& number) const;
    // Deletes header, sums and lines together; false when there was no bill.
    bool Delete(const QString& userCode, int docType, const QString& number);
    QString LastNumber(const QString& userCode, int docType) const;

private:
    Database& m_db;
};
