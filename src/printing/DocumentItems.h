#pragma once
#include "customers/CustomerStore.h"
#include "documents/Slip.h"
#include "documents/SlipTotals.h"
#include "masters/CompanyStore.h"
#include "printing/PrintCodes.h"
#include "printing/SlipPrint.h"

#include <QString>
#include <array>
#include <optional>

// What each item code of a document layout prints. The slip, receipt and bill windows
// share the customer, company, title and page items and differ in the rest, so each
// window kind has its own function from code to text over one shared context. A code
// a window does not know prints nothing (std::nullopt), which is different from an
// empty value that prints as an empty text.

// The run's customer, company and page, the same for every item of a block.
struct DocumentItemContext {
    QString UserCode;
    QString UserName;
    CustomerRow Customer;
    // Set only when the company items are to print (the Company choice is 1).
    std::optional<CompanyRow> Company;
    int Charge = ContactChoice::Contact1;
    int Bank = BankChoice::Bank1; // anything else prints Bank2
    QString LayoutName;
    int Page = 1;      // page within its copy set
    int Pages = 1;     // pages of one copy set
    bool Copy = false; // the title gets "(控)"
    // Amount and tax per rate of the document, and whether the company is a registered
    // issuer: a registered one prints the block even when every line has one rate.
    SlipTotals::RateTotals Rates;
    bool Registered = false;
};

// Header values of the receipt window as it shows them.
struct ReceiptPrintHeader {
    std::array<QString, 3> Date;   // issue year, month, day
    QString Number;                // receipt number
    QString Remark;                // 適用
    std::array<QString, 2> Totals; // total as "#,#0" and in the yen form
    std::array<QString, 8> Amounts; // 現金 … その他, 但し, 手形No (LayoutItem::FirstAmount on)
    std::array<QString, 3> DueDate; // bill due date: year, month, day
};

// Header values of the bill window as it shows them.
struct BillPrintHeader {
    qint64 ClosingYMD = 0; // this closing date, YYYYMMDD
    QString Number;
    QString ChargeName;
    QString Remark;
    std::array<QString, 3> Totals;  // 税抜金額, 税額, 税込金額
    std::array<QString, 3> Balance; // 前回請求額, 入金額, 繰越金額
    QString Billed;                 // 請求額
    QString SlipCount;              // 伝票枚数
};

// One stored line of a bill (明細請求).
struct BillPrintLine {
    std::optional<qint64> IssueYMD;
    QString DocNumber;
    QString Goods;
    std::optional<double> Quantity;
    QString Unit;
    std::optional<double> UnitPrice;
    std::optional<double> Price;
    QString Remark;
    int TaxType = TaxClass::Standard;
};

namespace DocumentItems {

// --- Pieces every window prints the same way ---

// The document title: the text between the first "(" and the next ")" of the layout
// name, with "(控)" added on copies.
QString Title(const QString& layoutName, bool copy);
// "TEL:n " and "FAX:n", each only when its number is there.
QString Telephone(const QString& tel, const QString& fax);
// The customer's name with its honorific for a contact choice; `withOnchu` allows the
// " 御中" form of ContactChoice::None (receipts always print the honorific instead).
QString CustomerName(const DocumentItemContext& ctx, bool withOnchu);
// Department, two spaces, contact name and honorific for the contact choice.
QString Contact(const DocumentItemContext& ctx);
// A stored number as plain text for the position's formatting; empty for no value.
QString PlainNumber(const std::optional<double>& value);
// The qualified-invoice items every document with totals prints alike: the registration
// number, the per-rate lines and the reduced-rate note; nothing for other codes.
std::optional<QString> InvoiceItem(int code, const DocumentItemContext& ctx);

// --- Pages and copy sets ---

// Pages of one copy set: whole pages of `rows` lines, at least one, so that a document
// without lines still prints its header page. A layout without a line area (rows ≤ 0)
// prints everything on one page.
int PageCount(qsizetype lines, int rows);
// Pages of the whole run: both sets for CopyChoice::WithCopy, else one.
int PagesToPrint(int pages, int duplicate);
// Page number within its set for a page of the run (1-based).
int PageInSet(int page, int pages);
// Whether a page of the run, in a block with this copy mark, is a copy: CopyOnly prints
// only copies, WithCopy prints copies after the document, and receipts and bills mark
// single blocks as copies with a negative number in the layout's Layout column.
bool IsCopy(int duplicate, int page, int pages, int blockMark = 0);
// The copy mark of block `block` (1-based) from the layout's Layout text; 0 when absent.
int BlockMark(const QString& layoutMarks, int block);

// --- Estimates, orders, delivery notes and invoices ---

bool IsSlipDetail(int code);
std::optional<QString> SlipHeaderItem(int code, const SlipPrintHeader& header,
                                      const DocumentItemContext& ctx);
std::optional<QString> SlipDetailItem(int code, const SlipLine& line);

// --- Receipts (no lines) ---

std::optional<QString> ReceiptHeaderItem(int code, const ReceiptPrintHeader& header,
                                         const DocumentItemContext& ctx);

// --- Detailed and summary bills ---

bool IsBillDetail(int code);
std::optional<QString> BillHeaderItem(int code, const BillPrintHeader& header,
                                      const DocumentItemContext& ctx);
std::optional<QString> BillDetailItem(int code, const BillPrintLine& line);

} // namespace DocumentItems
