#pragma once
#include "core/RowStamp.h"
#include <QString>
#include <array>
#include <optional>

class Database;

// The amounts of a receipt by payment kind, in the order of the 領収 columns Price1 …
// Price6.
namespace ReceiptKind {
enum : int { Cash = 0, Cheque = 1, Transfer = 2, Bill = 3, SetOff = 4, Other = 5, Count = 6 };
}

// What the 領収 row of a receipt holds besides its key.
struct ReceiptDetail {
    std::array<double, ReceiptKind::Count> Prices{};
    QString Remark;     // 但し: what the money was received for
    QString BillTerm;   // the bill's due date, "year/month/day" with parts possibly empty
    QString BillNumber; // 手形No
    double Total() const;
};

// A receipt as stored: its 伝票管理 row (type 6), with the staff member the row names,
// and its 領収 row.
struct Receipt {
    QString UserCode;
    QString Number;
    qint64 IssueYMD = 0;
    QString ChargeCode;
    QString ChargeName; // on save: the staff name the window shows; read from 担当者
    QString ChargePosition;
    QString Summary; // 適用 (伝票管理.Remark)
    // Nothing when the header has no 領収 row (a receipt written by hand into the
    // database, or half of one from before saves were atomic).
    std::optional<ReceiptDetail> Detail;
    qint64 Stamp = 0; // as read: what a save of this receipt expects to find
};

// Stores receipts: the header in 伝票管理, the amounts in 領収 and the last number per
// customer in 前回伝票.DocNumR. A receipt is money received, not a sale: it never posts to
// 売掛. Each operation that writes is one transaction.
class ReceiptStore {
public:
    explicit ReceiptStore(Database& db) : m_db(db) {}

    bool Exists(const QString& userCode, const QString& number) const;
    // Nothing when the customer has no receipt of this number.
    std::optional<Receipt> Read(const QString& userCode, const QString& number) const;
    // Adds or replaces the header, the 領収 row (an absent detail is stored as all
    // zeros and empty texts) and 前回伝票.DocNumR — whole or not at all. The stored receipt
    // must be as `expect` says (see DocumentStore::Save).
    void Save(const Receipt& receipt, const Expect& expect = Expect::Anything());
    // The stamp of the stored receipt; nothing when there is none.
    std::optional<qint64> Stamp(const QString& userCode, const QString& number) const;
    // Deletes the header and its 領収 row together; false when there was no receipt.
    bool Delete(const QString& userCode, const QString& number);
    // The number of the customer's last saved receipt ("" when none).
    QString LastNumber(const QString& userCode) const;

    // The amount a receipt takes over from a stored estimate, order, delivery note or
    // invoice (types 0-3): its total with tax, worked out as the slip window shows it —
    // each stored line amount as whole yen, their sum, tax at `excisePercent` rounded
    // with `taxFraction`. Nothing when the document does not exist.
    std::optional<double> CopyAmount(const QString& userCode, int docType, const QString& number,
                                     double excisePercent, int taxFraction) const;

private:
    Database& m_db;
};
