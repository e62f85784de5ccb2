#pragma once
#include <QList>
#include <QString>
#include <optional>

// Document types, as the DocType columns store them and gDocType hands them to the
// windows. Estimates to invoices (0-3) are the slips that share the slip window and its
// line tables; the bills and the receipt follow.
namespace DocType {
enum : int {
    Receivables = -1, // no document: the receivables window, opened without a customer check
    Estimate = 0,     // 見積書
    Order = 1,        // 注文書
    DeliveryNote = 2, // 納品書
    Invoice = 3,      // 請求書
    DetailedBill = 4, // 明細請求書
    TotalBill = 5,    // 合計請求書
    Receipt = 6       // 領収証
};
}

// The consumption-tax class of a line (the TaxType column of line tables, and the
// default of a goods item): which rate its amount is taxed at.
namespace TaxClass {
enum : int {
    Standard = 0, // the customer's rate
    Reduced = 1,  // the reduced rate (自社情報.ReducedExcise)
    NotTaxed = 2, // no consumption tax
    Count = 3
};
}

// One line of an estimate, order, delivery note or invoice as it is stored. A line
// exists only when it has a name; empty numeric cells are stored as nulls.
struct SlipLine {
    QString GoodsCode;
    QString Goods;
    std::optional<double> Quantity;
    QString Unit;
    std::optional<double> UnitPrice;
    std::optional<double> Price;
    QString Remark;
    int TaxType = TaxClass::Standard;
};

// The header row of a document (伝票管理), with the staff member's name and department
// read along with it.
struct SlipHeader {
    QString UserCode;
    int DocType = 0;
    QString DocNumber;
    qint64 IssueYMD = 0;
    bool AddUpSale = false;
    QString ChargeCode;
    QString Remark;
    QString FixDate;  // estimates: delivery date parts joined by "/"
    QString Term;     // estimates: validity date parts joined by "/"
    QString Deliver;  // estimates: place of delivery
    QString Business; // estimates: terms of trade
    // Read with the header; on save, the staff name shown in the window (posted with the
    // sale when a staff member is shown).
    QString ChargeName;
    QString ChargePosition;
    qint64 Stamp = 0; // as read: what a save of this document expects to find
};
