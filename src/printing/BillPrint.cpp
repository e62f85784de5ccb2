#include "printing/BillPrint.h"

#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "documents/BillGathering.h"
#include "documents/BillStore.h"
#include "printing/Canvas.h"
#include "printing/LayoutTables.h"
#include "printing/PrintCodes.h"
#include "printing/PrintData.h"
#include "printing/PrintEngine.h"
#include "printing/SlipPrint.h"

#include <QImage>
#include <algorithm>

namespace {

// The seal sits this far right of the company name's left edge, as on the slips.
constexpr double kSealOffsetX = 40.0;

} // namespace

SlipTotals::RateTotals BillPrint::RateTotals(const QList<BillPrintLine>& lines,
                                             double excisePercent, double reducedPercent,
                                             int taxFraction) {
    // The rows as the bill window holds them: a stored line without a date continues the
    // date group above it.
    QList<QStringList> rows;
    for (const BillPrintLine& line : lines) {
        QStringList cells(BillColumn::Count);
        if (line.IssueYMD && *line.IssueYMD)
            cells[BillColumn::Date] = QString::number(*line.IssueYMD);
        cells[BillColumn::Price] = DocumentItems::PlainNumber(line.Price);
        cells[BillColumn::Tax] = SlipTotals::TaxMark(line.TaxType);
        rows << cells;
    }
    return BillGathering::Totals(rows, excisePercent, taxFraction, 0, reducedPercent).Rates;
}

QList<BillPrintLine> BillPrint::Lines(const Database& mainDb, const QString& userCode, int docType,
                                      const QString& number) {
    const std::optional<Bill> bill = BillStore::Read(mainDb, userCode, docType, number);
    QList<BillPrintLine> lines;
    if (!bill)
        return lines;
    for (const BillLine& stored : bill->Lines) {
        BillPrintLine line;
        if (stored.IssueYMD)
            line.IssueYMD = stored.IssueYMD;
        line.DocNumber = stored.DocNumber;
        line.Goods = stored.Goods;
        line.Quantity = stored.Quantity;
        line.Unit = stored.Unit;
        line.UnitPrice = stored.UnitPrice;
        line.Price = stored.Price;
        line.Remark = stored.Remark;
        line.TaxType = stored.TaxType;
        lines << line;
    }
    return lines;
}

bool BillPrint::PrintBill(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                          const SettingsStore& settings, MessageService& messages,
                          const QString& title, const QString& numFormat, int layoutCode,
                          int docType, const QString& userCode, const QString& userName,
                          const BillPrintHeader& header) {
    std::optional<BusyCursor> busy(std::in_place);
    const SlipOptions options = SlipPrint::ReadOptions(settings, docType);

    // Everything is read before anything is drawn, so that a stop prints nothing.
    std::optional<DocumentLayout> layout;
    std::optional<CustomerRow> customer;
    std::optional<CompanyRow> company;
    QList<BillPrintLine> lines;
    try {
        layout = LayoutTables::ReadDocumentLayout(layoutDb, layoutCode);
        customer = PrintData::Customer(mainDb, userCode);
        // Read even when the company does not print: it holds the reduced rate.
        company = PrintData::Company(mainDb);
        lines = Lines(mainDb, userCode, docType, header.Number);
    } catch (const DatabaseError& e) {
        canvas.discardJob();
        busy.reset();
        ShowText(messages, e.userMessage(), Box::Stop, title);
        return false;
    }
    const QString missing = SlipPrint::MissingSubject(layout.has_value(), customer.has_value(),
                                                      options.Company && !company);
    if (!missing.isEmpty()) {
        canvas.discardJob();
        busy.reset();
        ShowMsg(messages, missing + QStringLiteral("が"), Msg::NotFound, Box::Stop, title);
        return false;
    }

    const DocumentLayoutKind& kind = layout->kind;
    const int duplicate = kind.Duplicate ? options.Duplicate : int(CopyChoice::NoCopy);
    QImage seal;
    if (options.Company && !options.Inkan.isEmpty())
        seal.load(options.Inkan);

    DocumentItemContext ctx;
    ctx.UserCode = userCode;
    ctx.UserName = userName;
    ctx.Customer = *customer;
    ctx.Company = options.Company ? company : std::nullopt;
    ctx.Charge = options.Charge;
    ctx.Bank = options.Bank;
    ctx.LayoutName = kind.Name;
    ctx.Pages = DocumentItems::PageCount(lines.size(), kind.Rows);
    const CompanyRow companyRow = company.value_or(CompanyRow{});
    ctx.Rates = RateTotals(lines, customer->Excise, companyRow.ReducedExcise, customer->Fraction);
    ctx.Registered = !companyRow.RegistNumber.isEmpty();

    canvas.setFontName(PrintEngine::BodyFont(options.Font));
    canvas.setFontSize(kind.FontSize);

    PrintEngine engine(canvas, numFormat);
    qsizetype firstLine = 0;
    PrintEngine::ItemSource source;
    source.isDetail = &DocumentItems::IsBillDetail;
    source.header = [&](int code) { return DocumentItems::BillHeaderItem(code, header, ctx); };
    source.detail = [&](int code, int line) -> std::optional<QString> {
        const qsizetype index = firstLine + line;
        if (index < 0 || index >= lines.size())
            return std::nullopt;
        return DocumentItems::BillDetailItem(code, lines[index]);
    };
    source.beforeHeader = [&](int code, double x1, double y) {
        if (code == LayoutItem::CompanyName && !seal.isNull())
            canvas.drawPicture(x1 + kSealOffsetX, y, options.InkanT * 10.0, options.InkanY * 10.0,
                               seal);
    };

    const int pages = DocumentItems::PagesToPrint(ctx.Pages, duplicate);
    const int rows = std::max(kind.Rows, 0);
    const int blocks = std::max(kind.Block, 1);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            canvas.newPage();
        ctx.Page = DocumentItems::PageInSet(page, ctx.Pages);
        firstLine = static_cast<qsizetype>(rows) * (ctx.Page - 1);
        source.detailLines =
            static_cast<int>(std::clamp<qsizetype>(lines.size() - firstLine, 0, rows));
        for (int block = 1; block <= blocks; ++block) {
            ctx.Copy = DocumentItems::IsCopy(duplicate, page, ctx.Pages,
                                             DocumentItems::BlockMark(kind.Layout, block));
            engine.DrawBlock(*layout, block, options.Left, options.Top,
                             PrintEngine::BlockOffset(blocks, block), options.Font, source);
        }
    }
    busy.reset();
    return canvas.endJob();
}
