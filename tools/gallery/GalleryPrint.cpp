#include "GalleryPrint.h"

#include "printing/Canvas.h"
#include "printing/PrintEngine.h"

#include <algorithm>

namespace {

constexpr double kTitlePoints = 18.0;

// The title's font switch, as the slip print does it.
PrintEngine::ItemSource baseSource(Canvas& canvas, const DocumentLayout& layout, int fontChoice) {
    PrintEngine::ItemSource source;
    const QString body = PrintEngine::BodyFont(fontChoice);
    const QString other = PrintEngine::OtherFont(fontChoice);
    const double size = layout.kind.FontSize;
    source.aroundHeader = [&canvas, body, other, size](int code, bool before) {
        if (code != 0)
            return;
        canvas.setFontName(before ? other : body);
        canvas.setFontSize(before ? kTitlePoints : size);
    };
    return source;
}

} // namespace

namespace GalleryPrint {

bool PrintReceipt(Canvas& canvas, const DocumentLayout& layout, DocumentItemContext ctx,
                  const ReceiptPrintHeader& header, const Options& options) {
    canvas.setFontName(PrintEngine::BodyFont(options.fontChoice));
    canvas.setFontSize(layout.kind.FontSize);
    PrintEngine engine(canvas, options.numFormat);
    PrintEngine::ItemSource source = baseSource(canvas, layout, options.fontChoice);
    source.header = [&](int code) { return DocumentItems::ReceiptHeaderItem(code, header, ctx); };
    ctx.Page = 1;
    ctx.Pages = 1;
    const int blocks = std::max(layout.kind.Block, 1);
    // Off A4 the blocks of a receipt sheet sit closer together.
    const bool offA4 = canvas.paperSize() != QPageSize::A4;
    for (int block = 1; block <= blocks; ++block) {
        const int mark = DocumentItems::BlockMark(layout.kind.Layout, block);
        ctx.Copy = DocumentItems::IsCopy(options.duplicate, 1, 1, mark);
        engine.DrawBlock(layout, block, 0, 0, PrintEngine::BlockOffset(blocks, block, offA4),
                         options.fontChoice, source);
    }
    return canvas.endJob();
}

bool PrintBill(Canvas& canvas, const DocumentLayout& layout, DocumentItemContext ctx,
               const BillPrintHeader& header, const QList<BillPrintLine>& lines,
               const Options& options) {
    canvas.setFontName(PrintEngine::BodyFont(options.fontChoice));
    canvas.setFontSize(layout.kind.FontSize);
    PrintEngine engine(canvas, options.numFormat);
    PrintEngine::ItemSource source = baseSource(canvas, layout, options.fontChoice);
    qsizetype firstLine = 0;
    source.isDetail = &DocumentItems::IsBillDetail;
    source.header = [&](int code) { return DocumentItems::BillHeaderItem(code, header, ctx); };
    source.detail = [&](int code, int line) -> std::optional<QString> {
        const qsizetype index = firstLine + line;
        if (index >= lines.size())
            return std::nullopt;
        return DocumentItems::BillDetailItem(code, lines[index]);
    };

    const int rows = std::max(layout.kind.Rows, 0);
    const int blocks = std::max(layout.kind.Block, 1);
    const int duplicate = layout.kind.Duplicate ? options.duplicate : 2;
    ctx.Pages = DocumentItems::PageCount(lines.size(), rows);
    const int pages = DocumentItems::PagesToPrint(ctx.Pages, duplicate);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            canvas.newPage();
        ctx.Page = DocumentItems::PageInSet(page, ctx.Pages);
        firstLine = static_cast<qsizetype>(rows) * (ctx.Page - 1);
        source.detailLines =
            rows == 0 ? 0
                      : static_cast<int>(std::clamp<qsizetype>(lines.size() - firstLine, 0, rows));
        for (int block = 1; block <= blocks; ++block) {
            const int mark = DocumentItems::BlockMark(layout.kind.Layout, block);
            ctx.Copy = DocumentItems::IsCopy(duplicate, page, ctx.Pages, mark);
            engine.DrawBlock(layout, block, 0, 0, PrintEngine::BlockOffset(blocks, block),
                             options.fontChoice, source);
        }
    }
    return canvas.endJob();
}

} // namespace GalleryPrint
