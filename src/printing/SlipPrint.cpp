#include "printing/SlipPrint.h"

#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "printing/Canvas.h"
#include "printing/DocumentItems.h"
#include "printing/LayoutTables.h"
#include "printing/PrintCodes.h"
#include "printing/PrintData.h"
#include "printing/PrintEngine.h"

#include <QImage>
#include <algorithm>

namespace {

// The seal sits this far right of the company name's left edge, over the name.
constexpr double kSealOffsetX = 40.0;

// Everything the run reads before it draws: a failure here leaves the canvas untouched.
struct SlipRunData {
    std::optional<DocumentLayout> layout;
    std::optional<CustomerRow> customer;
    std::optional<CompanyRow> company;
    QList<SlipLine> lines;
};

} // namespace

SlipOptions SlipPrint::ReadOptions(const SettingsStore& settings, int docType) {
    const QString prefix = QStringLiteral("S") + QString::number(docType);
    SlipOptions o;
    o.Top = settings.getInt16(prefix + QStringLiteral("Top"));
    o.Left = settings.getInt16(prefix + QStringLiteral("Left"));
    o.Charge = settings.getByte(prefix + QStringLiteral("Charge"));
    o.Company = settings.getByte(prefix + QStringLiteral("Company")) == 1;
    o.Font = settings.getByte(prefix + QStringLiteral("Font"));
    o.Duplicate = settings.getByte(prefix + QStringLiteral("Duplicate"));
    o.Bank = settings.getByte(prefix + QStringLiteral("Bank"));
    o.Inkan = settings.get(QStringLiteral("Inkan"));
    o.InkanT = settings.getDouble(QStringLiteral("InkanT"), 1.0);
    o.InkanY = settings.getDouble(QStringLiteral("InkanY"), 1.0);
    return o;
}

QString SlipPrint::MissingSubject(bool layout, bool customer, bool companyMissing) {
    QString subject;
    if (!layout)
        subject = QStringLiteral("用紙情報");
    if (!customer)
        subject = QStringLiteral("顧客");
    if (companyMissing)
        subject = QStringLiteral("自社情報");
    return subject;
}

bool SlipPrint::PrintSlip(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                          const SettingsStore& settings, MessageService& messages,
                          const QString& title, const QString& numFormat, int layoutCode,
                          const SlipPrintHeader& header) {
    std::optional<BusyCursor> busy(std::in_place);
    const SlipOptions options = ReadOptions(settings, header.DocType);

    // Nothing is drawn before every row is read, so a stop here prints nothing; the
    // discard only makes sure a backend that opened its job early drops it.
    SlipRunData data;
    try {
        data.layout = LayoutTables::ReadDocumentLayout(layoutDb, layoutCode);
        data.customer = PrintData::Customer(mainDb, header.UserCode);
        // The company row also gives the reduced rate and whether the business is a
        // registered issuer, so it is read even when its items do not print.
        data.company = PrintData::Company(mainDb);
        const QString missing = MissingSubject(data.layout.has_value(), data.customer.has_value(),
                                               options.Company && !data.company);
        if (!missing.isEmpty()) {
            canvas.discardJob();
            busy.reset();
            ShowMsg(messages, missing + QStringLiteral("が"), Msg::NotFound, Box::Stop, title);
            return false;
        }
        data.lines = PrintData::SlipLines(mainDb, header.UserCode, header.DocType, header.Number);
    } catch (const DatabaseError& e) {
        canvas.discardJob();
        busy.reset();
        ShowText(messages, e.userMessage(), Box::Stop, title);
        return false;
    }

    const DocumentLayout& layout = *data.layout;
    const DocumentLayoutKind& kind = layout.kind;
    // A layout that may not print a copy set never does, whatever the stored choice says
    // (the print dialog stores NoCopy for it, but settings can be older than the layout).
    const int duplicate = kind.Duplicate ? options.Duplicate : int(CopyChoice::NoCopy);

    // The seal is read once for the run, and only when the company prints; a file that
    // has gone or cannot be read leaves the company name without it rather than stopping
    // a print the user asked for.
    QImage seal;
    if (options.Company && !options.Inkan.isEmpty())
        seal.load(options.Inkan);

    DocumentItemContext ctx;
    ctx.UserCode = header.UserCode;
    ctx.UserName = header.UserName;
    ctx.Customer = *data.customer;
    ctx.Company = options.Company ? data.company : std::nullopt;
    ctx.Charge = options.Charge;
    ctx.Bank = options.Bank;
    ctx.LayoutName = kind.Name;
    ctx.Pages = DocumentItems::PageCount(data.lines.size(), kind.Rows);
    // Per rate from the stored lines at the customer's rate and rounding, as the window
    // totals them.
    const CompanyRow company = data.company.value_or(CompanyRow{});
    ctx.Rates = SlipTotals::Calc(data.lines, data.customer->Excise, company.ReducedExcise,
                                 data.customer->Fraction)
                    .rates;
    ctx.Registered = !company.RegistNumber.isEmpty();

    // The engine switches to the other font for the title and fixed texts and back.
    canvas.setFontName(PrintEngine::BodyFont(options.Font));
    canvas.setFontSize(kind.FontSize);

    PrintEngine engine(canvas, numFormat);
    qsizetype firstLine = 0;
    PrintEngine::ItemSource source;
    source.isDetail = &DocumentItems::IsSlipDetail;
    source.header = [&](int code) { return DocumentItems::SlipHeaderItem(code, header, ctx); };
    source.detail = [&](int code, int line) -> std::optional<QString> {
        const qsizetype index = firstLine + line;
        if (index < 0 || index >= data.lines.size())
            return std::nullopt;
        return DocumentItems::SlipDetailItem(code, data.lines[index]);
    };
    source.beforeHeader = [&](int code, double x1, double y) {
        // Drawn before the name so that the name prints over the seal.
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
        const bool copyPage = DocumentItems::IsCopy(duplicate, page, ctx.Pages);
        firstLine = static_cast<qsizetype>(rows) * (ctx.Page - 1);
        source.detailLines =
            static_cast<int>(std::clamp<qsizetype>(data.lines.size() - firstLine, 0, rows));
        for (int block = 1; block <= blocks; ++block) {
            // Only the copy set is titled 控え: a sheet of two forms prints the document
            // twice, and with 出力しない the user asked for no copy at all. The blocks'
            // own copy marks are for receipts and bills, whose stub is part of the form.
            ctx.Copy = copyPage;
            engine.DrawBlock(layout, block, options.Left, options.Top,
                             PrintEngine::BlockOffset(blocks, block), options.Font, source);
        }
    }
    busy.reset();
    return canvas.endJob();
}
