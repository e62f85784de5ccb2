#include "printing/DocumentItems.h"

#include "core/SharedRoutines.h"
#include "printing/PrintCodes.h"

#include <algorithm>

namespace {

const QString kCopyMark = QStringLiteral("(控)");

// The customer items as slips and bills print them.
std::optional<QString> CustomerItem(int code, const DocumentItemContext& ctx) {
    const CustomerRow& c = ctx.Customer;
    switch (code) {
    case LayoutItem::CustomerZip:
        return QStringLiteral("〒") + c.ZipCode;
    case LayoutItem::CustomerAddress1:
        return c.Address1;
    case LayoutItem::CustomerAddress2:
        return c.Address2;
    case LayoutItem::CustomerName:
        return DocumentItems::CustomerName(ctx, true);
    case LayoutItem::CustomerContact:
        return DocumentItems::Contact(ctx);
    case LayoutItem::CustomerPhone:
        return DocumentItems::Telephone(c.TEL, c.FAX);
    case LayoutItem::CustomerCode:
        return ctx.UserCode;
    default:
        return std::nullopt;
    }
}

// The company items; none at all unless the company is to print.
std::optional<QString> CompanyItem(int code, const DocumentItemContext& ctx) {
    if (!ctx.Company)
        return std::nullopt;
    const CompanyRow& m = *ctx.Company;
    switch (code) {
    case LayoutItem::CompanyName:
        return m.Name;
    case LayoutItem::CompanyZip:
        return QStringLiteral("〒") + m.ZipCode;
    case LayoutItem::CompanyAddress1:
        return m.Address1;
    case LayoutItem::CompanyAddress2:
        return m.Address2;
    case LayoutItem::CompanyPhone:
        return DocumentItems::Telephone(m.TEL, m.FAX);
    case LayoutItem::CompanyBank:
        return ctx.Bank == BankChoice::Bank1 ? m.Bank1 : m.Bank2;
    default:
        return std::nullopt;
    }
}

// Page number "p/N", only where there is more than one page to tell apart.
std::optional<QString> PageNumber(const DocumentItemContext& ctx) {
    if (ctx.Pages < 2)
        return std::nullopt;
    return QString::number(ctx.Page) + QLatin1Char('/') + QString::number(ctx.Pages);
}

// Totals belong under the last line, so only the last page of a set shows them.
std::optional<QString> Total(const std::array<QString, 3>& totals, int index,
                             const DocumentItemContext& ctx) {
    if (ctx.Page != ctx.Pages)
        return std::nullopt;
    return totals[static_cast<size_t>(index)];
}

qsizetype FirstOf(const QString& text, QChar half, QChar full, qsizetype from) {
    const qsizetype a = text.indexOf(half, from);
    const qsizetype b = text.indexOf(full, from);
    if (a < 0)
        return b;
    if (b < 0)
        return a;
    return std::min(a, b);
}

} // namespace

QString DocumentItems::Title(const QString& layoutName, bool copy) {
    // Layout names read like "納品書(納品書)": what the list shows, then the printed
    // title. Typed names may carry full-width brackets, so both widths count. A name
    // without brackets is printed whole rather than as nothing.
    QString title = layoutName;
    const qsizetype open = FirstOf(layoutName, QLatin1Char('('), QChar(0xFF08), 0);
    if (open >= 0) {
        // Without a closing bracket the title runs to the end of the name.
        const qsizetype close = FirstOf(layoutName, QLatin1Char(')'), QChar(0xFF09), open + 1);
        title = layoutName.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    return copy ? title + kCopyMark : title;
}

QString DocumentItems::Telephone(const QString& tel, const QString& fax) {
    QString text;
    if (!tel.isEmpty())
        text += QStringLiteral("TEL:") + tel + QLatin1Char(' ');
    if (!fax.isEmpty())
        text += QStringLiteral("FAX:") + fax;
    return text;
}

QString DocumentItems::CustomerName(const DocumentItemContext& ctx, bool withOnchu) {
    if (!withOnchu)
        return ctx.UserName + QLatin1Char(' ') + ctx.Customer.Prefix1;
    QString name = ctx.UserName;
    if (ctx.Charge < ContactChoice::None)
        name += QLatin1Char(' ') + ctx.Customer.Prefix1;
    if (ctx.Charge == ContactChoice::None)
        name += QStringLiteral(" 御中");
    return name;
}

QString DocumentItems::Contact(const DocumentItemContext& ctx) {
    const CustomerRow& c = ctx.Customer;
    // Without a contact the place keeps its two spaces, so that the line's length, and
    // with it the alignment of what follows in the same box, does not depend on the choice.
    const QString position = ctx.Charge == ContactChoice::Contact1   ? c.Position1
                             : ctx.Charge == ContactChoice::Contact2 ? c.Position2
                                                                     : QString();
    const QString person = ctx.Charge == ContactChoice::Contact1   ? c.Charge1
                           : ctx.Charge == ContactChoice::Contact2 ? c.Charge2
                                                                   : QString();
    QString text = position + QStringLiteral("  ") + person;
    if (ctx.Charge < ContactChoice::None)
        text += QLatin1Char(' ') + c.Prefix2;
    return text;
}

QString DocumentItems::PlainNumber(const std::optional<double>& value) {
    if (!value)
        return {};
    // Up to 15 significant digits: the whole precision of a stored amount without the
    // binary noise (0.1 + 0.2 prints as 0.3).
    return QString::number(*value, 'g', 15);
}

int DocumentItems::PageCount(qsizetype lines, int rows) {
    if (rows <= 0 || lines <= 0)
        return 1;
    return static_cast<int>((lines + rows - 1) / rows);
}

int DocumentItems::PagesToPrint(int pages, int duplicate) {
    return duplicate == CopyChoice::WithCopy ? 2 * pages : pages;
}

int DocumentItems::PageInSet(int page, int pages) {
    return page > pages ? page - pages : page;
}

bool DocumentItems::IsCopy(int duplicate, int page, int pages, int blockMark) {
    return duplicate == CopyChoice::CopyOnly ||
           (duplicate == CopyChoice::WithCopy && page > pages) || blockMark < 0;
}

int DocumentItems::BlockMark(const QString& layoutMarks, int block) {
    // Split by position, not as a list of codes: an empty part still stands for its
    // block, so "/-1" marks the second block and not the first.
    const QStringList marks = layoutMarks.split(QLatin1Char('/'));
    if (block < 1 || block > marks.size())
        return 0;
    return marks[block - 1].trimmed().toInt();
}

std::optional<QString> DocumentItems::InvoiceItem(int code, const DocumentItemContext& ctx) {
    if (code == LayoutItem::RegistNumber) {
        // Printed with the company, so a form on preprinted paper stays as it was.
        if (!ctx.Company || ctx.Company->RegistNumber.isEmpty())
            return QString();
        return QStringLiteral("登録番号 ") + ctx.Company->RegistNumber;
    }
    if (code >= LayoutItem::FirstRateLine && code <= LayoutItem::LastRateLine) {
        // An unregistered business with one rate prints what it always printed; the
        // figures belong with the totals, on the last page of a set.
        if ((!ctx.Rates.Split && !ctx.Registered) || ctx.Page != ctx.Pages)
            return QString();
        return SlipTotals::RateLines(ctx.Rates).value(code - LayoutItem::FirstRateLine);
    }
    if (code == LayoutItem::ReducedNote)
        return SlipTotals::ReducedNote(ctx.Rates);
    return std::nullopt;
}

bool DocumentItems::IsSlipDetail(int code) {
    return (code >= LayoutItem::GoodsCode && code <= LayoutItem::LineRemark) ||
           code == LayoutItem::LineTaxMark;
}

std::optional<QString> DocumentItems::SlipHeaderItem(int code, const SlipPrintHeader& h,
                                                     const DocumentItemContext& ctx) {
    if (code >= LayoutItem::CustomerZip && code <= LayoutItem::CustomerCode)
        return CustomerItem(code, ctx);
    if (code >= LayoutItem::CompanyName && code <= LayoutItem::CompanyBank)
        return CompanyItem(code, ctx);
    switch (code) {
    case LayoutItem::Title:
        return Title(ctx.LayoutName, ctx.Copy);
    case LayoutItem::Date:
        return h.Date[DatePart::Year] + h.Date[DatePart::Month] + h.Date[DatePart::Day];
    case LayoutItem::Year:
    case LayoutItem::Month:
    case LayoutItem::Day:
        return h.Date[static_cast<size_t>(code - LayoutItem::Year)];
    case LayoutItem::Number:
        return h.Number;
    case LayoutItem::StaffName:
        return h.ChargeName;
    case LayoutItem::Remark:
        return h.Remark;
    case LayoutItem::Subtotal:
    case LayoutItem::Tax:
    case LayoutItem::Total:
        return Total(h.Totals, code - LayoutItem::Subtotal, ctx);
    case LayoutItem::Page:
        return PageNumber(ctx);
    case LayoutItem::TermYear:
    case LayoutItem::TermMonth:
    case LayoutItem::TermDay:
        return h.Term[static_cast<size_t>(code - LayoutItem::TermYear)];
    case LayoutItem::FixYear:
    case LayoutItem::FixMonth:
    case LayoutItem::FixDay:
        return h.FixDate[static_cast<size_t>(code - LayoutItem::FixYear)];
    case LayoutItem::Deliver:
        return h.Deliver;
    case LayoutItem::Business:
        return h.Business;
    case LayoutItem::StaffPosition:
        return h.ChargePosition;
    default:
        return InvoiceItem(code, ctx);
    }
}

std::optional<QString> DocumentItems::SlipDetailItem(int code, const SlipLine& line) {
    switch (code) {
    case LayoutItem::GoodsCode:
        return line.GoodsCode;
    case LayoutItem::Goods:
        return line.Goods;
    case LayoutItem::Quantity:
        return PlainNumber(line.Quantity);
    case LayoutItem::Unit:
        return line.Unit;
    case LayoutItem::UnitPrice:
        return PlainNumber(line.UnitPrice);
    case LayoutItem::Price:
        return PlainNumber(line.Price);
    case LayoutItem::LineRemark:
        return line.Remark;
    case LayoutItem::LineTaxMark:
        return SlipTotals::TaxMark(line.TaxType);
    default:
        return std::nullopt;
    }
}

std::optional<QString> DocumentItems::ReceiptHeaderItem(int code, const ReceiptPrintHeader& h,
                                                        const DocumentItemContext& ctx) {
    // A receipt prints no bank account.
    if (code >= LayoutItem::CompanyName && code <= LayoutItem::CompanyPhone)
        return CompanyItem(code, ctx);
    if (code >= LayoutItem::FirstAmount && code <= LayoutItem::LastAmount)
        return h.Amounts[static_cast<size_t>(code - LayoutItem::FirstAmount)];
    switch (code) {
    case LayoutItem::Title:
        return Title(ctx.LayoutName, ctx.Copy);
    case LayoutItem::Year:
    case LayoutItem::Month:
    case LayoutItem::Day:
        return h.Date[static_cast<size_t>(code - LayoutItem::Year)];
    case LayoutItem::Number:
        return h.Number;
    case LayoutItem::CustomerName:
        return CustomerName(ctx, false);
    case LayoutItem::CustomerContact:
        return Contact(ctx);
    case LayoutItem::CustomerCode:
        return ctx.UserCode;
    case LayoutItem::Remark:
        return h.Remark;
    case LayoutItem::Subtotal:
    case LayoutItem::Tax:
        return h.Totals[static_cast<size_t>(code - LayoutItem::Subtotal)];
    case LayoutItem::DueDate: {
        // Each part that is there is followed by "/", the day never is: "2024/05/" when
        // the day is missing, "05/31" without a year.
        QString due;
        if (!h.DueDate[DatePart::Year].isEmpty())
            due += h.DueDate[DatePart::Year] + QLatin1Char('/');
        if (!h.DueDate[DatePart::Month].isEmpty())
            due += h.DueDate[DatePart::Month] + QLatin1Char('/');
        return due + h.DueDate[DatePart::Day];
    }
    case LayoutItem::RegistNumber:
        return InvoiceItem(code, ctx);
    default:
        return std::nullopt;
    }
}

bool DocumentItems::IsBillDetail(int code) {
    return code == LayoutItem::LineDate || code == LayoutItem::LineNumber ||
           (code >= LayoutItem::Goods && code <= LayoutItem::LineRemark) ||
           code == LayoutItem::LineTaxMark;
}

std::optional<QString> DocumentItems::BillHeaderItem(int code, const BillPrintHeader& h,
                                                     const DocumentItemContext& ctx) {
    if (code >= LayoutItem::CustomerZip && code <= LayoutItem::CustomerCode)
        return CustomerItem(code, ctx);
    if (code >= LayoutItem::CompanyName && code <= LayoutItem::CompanyBank)
        return CompanyItem(code, ctx);
    switch (code) {
    case LayoutItem::Title:
        return Title(ctx.LayoutName, ctx.Copy);
    // The closing date as plain digits: a date-formatted position turns it into y/mm/dd.
    case LayoutItem::Date:
        return QString::number(h.ClosingYMD);
    case LayoutItem::Year:
        return GetDatePart(h.ClosingYMD, DatePart::Year);
    case LayoutItem::Month:
        return GetDatePart(h.ClosingYMD, DatePart::Month);
    case LayoutItem::Day:
        return GetDatePart(h.ClosingYMD, DatePart::Day);
    case LayoutItem::Number:
        return h.Number;
    case LayoutItem::StaffName:
        return h.ChargeName;
    case LayoutItem::Remark:
        return h.Remark;
    case LayoutItem::Subtotal:
    case LayoutItem::Tax:
    case LayoutItem::Total:
        return Total(h.Totals, code - LayoutItem::Subtotal, ctx);
    case LayoutItem::Page:
        return PageNumber(ctx);
    case LayoutItem::PreviousBilled:
    case LayoutItem::Received:
    case LayoutItem::CarriedOver:
        return h.Balance[static_cast<size_t>(code - LayoutItem::PreviousBilled)];
    case LayoutItem::Billed:
        return h.Billed;
    case LayoutItem::SlipCount:
        return h.SlipCount;
    default:
        return InvoiceItem(code, ctx);
    }
}

std::optional<QString> DocumentItems::BillDetailItem(int code, const BillPrintLine& line) {
    switch (code) {
    case LayoutItem::LineDate:
        return line.IssueYMD ? QString::number(*line.IssueYMD) : QString();
    case LayoutItem::LineNumber:
        return line.DocNumber;
    case LayoutItem::Goods:
        return line.Goods;
    case LayoutItem::Quantity:
        return PlainNumber(line.Quantity);
    case LayoutItem::Unit:
        return line.Unit;
    case LayoutItem::UnitPrice:
        return PlainNumber(line.UnitPrice);
    case LayoutItem::Price:
        return PlainNumber(line.Price);
    case LayoutItem::LineRemark:
        return line.Remark;
    case LayoutItem::LineTaxMark:
        return SlipTotals::TaxMark(line.TaxType);
    default:
        return std::nullopt;
    }
}
