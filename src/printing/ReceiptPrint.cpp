#include "printing/ReceiptPrint.h"

#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "documents/Slip.h"
#include "printing/Canvas.h"
#include "printing/LayoutTables.h"
#include "printing/PrintCodes.h"
#include "printing/PrintData.h"
#include "printing/PrintEngine.h"
#include "printing/SlipPrint.h"

#include <algorithm>

bool ReceiptPrint::PrintReceipt(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                                const SettingsStore& settings, MessageService& messages,
                                const QString& title, const QString& numFormat, int layoutCode,
                                const QString& userCode, const QString& userName,
                                const ReceiptPrintHeader& header) {
    std::optional<BusyCursor> busy(std::in_place);
    const SlipOptions options = SlipPrint::ReadOptions(settings, DocType::Receipt);

    // Everything is read before anything is drawn, so that a stop prints nothing.
    std::optional<DocumentLayout> layout;
    std::optional<CustomerRow> customer;
    std::optional<CompanyRow> company;
    try {
        layout = LayoutTables::ReadDocumentLayout(layoutDb, layoutCode);
        customer = PrintData::Customer(mainDb, userCode);
        if (options.Company)
            company = PrintData::Company(mainDb);
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
    // A layout without a copy set never prints one, whatever the stored choice says.
    const int duplicate = kind.Duplicate ? options.Duplicate : int(CopyChoice::NoCopy);

    DocumentItemContext ctx;
    ctx.UserCode = userCode;
    ctx.UserName = userName;
    ctx.Customer = *customer;
    ctx.Company = options.Company ? company : std::nullopt;
    ctx.Charge = options.Charge;
    ctx.LayoutName = kind.Name;
    ctx.Pages = 1;

    canvas.setFontName(PrintEngine::BodyFont(options.Font));
    canvas.setFontSize(kind.FontSize);

    PrintEngine engine(canvas, numFormat);
    PrintEngine::ItemSource source;
    source.isDetail = [](int) { return false; };
    source.header = [&](int code) { return DocumentItems::ReceiptHeaderItem(code, header, ctx); };
    source.detail = [](int, int) -> std::optional<QString> { return std::nullopt; };

    // The forms of a receipt sheet sit closer together on paper shorter than A4, so
    // that the last stub still fits on it.
    const bool offA4 = canvas.paperSize() != QPageSize::A4;
    const int pages = DocumentItems::PagesToPrint(1, duplicate);
    const int blocks = std::max(kind.Block, 1);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            canvas.newPage();
        for (int block = 1; block <= blocks; ++block) {
            ctx.Copy = DocumentItems::IsCopy(duplicate, page, 1,
                                             DocumentItems::BlockMark(kind.Layout, block));
            engine.DrawBlock(*layout, block, options.Left, options.Top,
                             PrintEngine::BlockOffset(blocks, block, offA4), options.Font, source);
        }
    }
    busy.reset();
    return canvas.endJob();
}
