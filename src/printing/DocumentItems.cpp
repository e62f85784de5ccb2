#include "printing/DocumentItems.h"

#include "core/SharedRoutines.h"

#include <algorithm>

namespace {

const QString kCopyMark = QStringLiteral("(控)");

// Customer items 7-13 as slips and bills print them.
std::optional<QString> CustomerItem(int code, const DocumentItemContext& ctx) {
    const CustomerRow& c = ctx.Customer;
    switch (code) {
    case 7:
        return QStringLiteral("〒") + c.ZipCode;
    case 8:
        return c.Address1;
    case 9:
        return c.Address2;
    case 10:
        return DocumentItems::CustomerName(ctx, true);
    case 11:
        return DocumentItems::Contact(ctx);
    case 12:
        return DocumentItems::Telephone(c.TEL, c.FAX);
    case 13:
        return ctx.UserCode;
    default:
        return std::nullopt;
    }
}

// Company items 14-19; none at all unless the company is to print.
std::optional<QString> CompanyItem(int code, const DocumentItemContext& ctx) {
    if (!ctx.Company)
        return std::nullopt;
    const CompanyRow& m = *ctx.Company;
    switch (code) {
    case 14:
        return m.Name;
    case 15:
        return QStringLiteral("〒") + m.ZipCode;
    case 16:
        return m.Address1;
    case 17:
        return m.Address2;
    case 18:
        return DocumentItems::Telephone(m.TEL, m.FAX);
    case 19:
        return ctx.Bank == 0 ? m.Bank1 : m.Bank2;
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
    if (ctx.Charge < 2)
        name += QLatin1Char(' ') + ctx.Customer.Prefix1;
    if (ctx.Charge == 2)
        name += QStringLiteral(" 御中");
    return name;
}

QString DocumentItems::Contact(const DocumentItemContext& ctx) {
    const CustomerRow& c = ctx.Customer;
    // Without a contact the place keeps its two spaces, so that the line's length, and
    // with it the alignment of what follows in the same box, does not depend on the choice.
    const QString position = ctx.Charge == 0   ? c.Position1
                             : ctx.Charge == 1 ? c.Position2
                                               : QString();
    const QString person = ctx.Charge == 0 ? c.Charge1 : ctx.Charge == 1 ? c.Charge2 : QString();
    QString text = position + QStringLiteral("  ") + person;
    if (ctx.Charge < 2)
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
    return duplicate == 0 ? 2 * pages : pages;
}

int DocumentItems::PageInSet(int page, int pages) {
    return page > pages ? page - pages : page;
}

bool DocumentItems::IsCopy(int duplicate, int page, int pages, int blockMark) {
    return duplicate == 1 || (duplicate == 0 && page > pages) || blockMark < 0;
}

int DocumentItems::BlockMark(const QString& layoutMarks, int block) {
    // Split by position, not as a list of codes: an empty part still stands for its
    // block, so "/-1" marks the second block and not the first.
    const QStringList marks = layoutMarks.split(QLatin1Char('/'));
    if (block < 1 || block > marks.size())
        return 0;
    return marks[block - 1].trimmed().toInt();
}

bool DocumentItems::IsSlipDetail(int code) {
    return code >= 20 && code <= 26;
}

std::optional<QString> DocumentItems::SlipHeaderItem(int code, const SlipPrintHeader& h,
                                                     const DocumentItemContext& ctx) {
    if (code >= 7 && code <= 13)
        return CustomerItem(code, ctx);
    if (code >= 14 && code <= 19)
        return CompanyItem(code, ctx);
    switch (code) {
    case 0:
        return Title(ctx.LayoutName, ctx.Copy);
    case 1:
        return h.Date[DatePart::Year] + h.Date[DatePart::Month] + h.Date[DatePart::Day];
    case 2:
    case 3:
    case 4:
        return h.Date[static_cast<size_t>(code - 2)];
    case 5:
        return h.Number;
    case 6:
        return h.ChargeName;
    case 27:
        return h.Remark;
    case 28:
    case 29:
    case 30:
        return Total(h.Totals, code - 28, ctx);
    case 31:
        return PageNumber(ctx);
    case 32:
    case 33:
    case 34:
        return h.Term[static_cast<size_t>(code - 32)];
    case 35:
    case 36:
    case 37:
        return h.FixDate[static_cast<size_t>(code - 35)];
    case 38:
        return h.Deliver;
    case 39:
        return h.Business;
    case 40:
        return h.ChargePosition;
    default:
        return std::nullopt;
    }
}

std::optional<QString> DocumentItems::SlipDetailItem(int code, const SlipLine& line) {
    switch (code) {
    case 20:
        return line.GoodsCode;
    case 21:
        return line.Goods;
    case 22:
        return PlainNumber(line.Quantity);
    case 23:
        return line.Unit;
    case 24:
        return PlainNumber(line.UnitPrice);
    case 25:
        return PlainNumber(line.Price);
    case 26:
        return line.Remark;
    default:
        return std::nullopt;
    }
}

std::optional<QString> DocumentItems::ReceiptHeaderItem(int code, const ReceiptPrintHeader& h,
                                                        const DocumentItemContext& ctx) {
    if (code >= 14 && code <= 18)
        return CompanyItem(code, ctx);
    if (code >= 41 && code <= 48)
        return h.Amounts[static_cast<size_t>(code - 41)];
    switch (code) {
    case 0:
        return Title(ctx.LayoutName, ctx.Copy);
    case 2:
    case 3:
    case 4:
        return h.Date[static_cast<size_t>(code - 2)];
    case 5:
        return h.Number;
    case 10:
        return CustomerName(ctx, false);
    case 11:
        return Contact(ctx);
    case 13:
        return ctx.UserCode;
    case 27:
        return h.Remark;
    case 28:
    case 29:
        return h.Totals[static_cast<size_t>(code - 28)];
    case 49: {
        // Each part that is there is followed by "/", the day never is: "2024/05/" when
        // the day is missing, "05/31" without a year.
        QString due;
        if (!h.DueDate[DatePart::Year].isEmpty())
            due += h.DueDate[DatePart::Year] + QLatin1Char('/');
        if (!h.DueDate[DatePart::Month].isEmpty())
            due += h.DueDate[DatePart::Month] + QLatin1Char('/');
        return due + h.DueDate[DatePart::Day];
    }
    default:
        return std::nullopt;
    }
}

bool DocumentItems::IsBillDetail(int code) {
    return code == 50 || code == 51 || (code >= 21 && code <= 26);
}

std::optional<QString> DocumentItems::BillHeaderItem(int code, const BillPrintHeader& h,
                                                     const DocumentItemContext& ctx) {
    if (code >= 7 && code <= 13)
        return CustomerItem(code, ctx);
    if (code >= 14 && code <= 19)
        return CompanyItem(code, ctx);
    switch (code) {
    case 0:
        return Title(ctx.LayoutName, ctx.Copy);
    // The closing date as plain digits: a date-formatted position turns it into y/mm/dd.
    case 1:
        return QString::number(h.ClosingYMD);
    case 2:
        return GetDatePart(h.ClosingYMD, DatePart::Year);
    case 3:
        return GetDatePart(h.ClosingYMD, DatePart::Month);
    case 4:
        return GetDatePart(h.ClosingYMD, DatePart::Day);
    case 5:
        return h.Number;
    case 6:
        return h.ChargeName;
    case 27:
        return h.Remark;
    case 28:
    case 29:
    case 30:
        return Total(h.Totals, code - 28, ctx);
    case 31:
        return PageNumber(ctx);
    case 52:
    case 53:
    case 54:
        return h.Balance[static_cast<size_t>(code - 52)];
    case 55:
        return h.Billed;
    case 56:
        return h.SlipCount;
    default:
        return std::nullopt;
    }
}

std::optional<QString> DocumentItems::BillDetailItem(int code, const BillPrintLine& line) {
    switch (code) {
    case 50:
        return line.IssueYMD ? QString::number(*line.IssueYMD) : QString();
    case 51:
        return line.DocNumber;
    case 21:
        return line.Goods;
    case 22:
        return PlainNumber(line.Quantity);
    case 23:
        return line.Unit;
    case 24:
        return PlainNumber(line.UnitPrice);
    case 25:
        return PlainNumber(line.Price);
    case 26:
        return line.Remark;
    default:
        return std::nullopt;
    }
}
