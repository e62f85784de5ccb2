#include "printing/ListPrint.h"

#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "lists/ListQueries.h"
#include "printing/Canvas.h"
#include "printing/LayoutTables.h"
#include "printing/ListItems.h"
#include "printing/PrintCodes.h"
#include "printing/PrintData.h"
#include "printing/PrintEngine.h"

#include <algorithm>

namespace {

// The company's name prints this much smaller than the body.
constexpr double kCompanySmaller = 2.0;

const QString kPrefix = QStringLiteral("L");

// The row codes of every block in the order they are listed, each once: the order in
// which a row's values (and so its running totals) are computed.
QList<int> rowCodesOf(const DocumentLayout& form) {
    QList<int> codes;
    for (const QList<int>& block : form.items) {
        for (int code : block) {
            if (ListItems::IsRowCode(code) && !codes.contains(code))
                codes << code;
        }
    }
    return codes;
}

// The column that says "合計" on the total line: the first row column of the first block
// that is not itself a total column. Nothing when every column is one.
std::optional<int> totalLabelCode(const DocumentLayout& form, const QList<int>& totals) {
    const QList<int> codes = form.items.isEmpty() ? QList<int>() : form.items.first();
    for (int code : codes) {
        if (ListItems::IsRowCode(code) && !totals.contains(code))
            return code;
    }
    return std::nullopt;
}

} // namespace

namespace ListPrint {

ListPrintOptions ReadOptions(const SettingsStore& settings) {
    ListPrintOptions o;
    o.Left = settings.getInt16(kPrefix + QStringLiteral("Left"), 0);
    o.Top = settings.getInt16(kPrefix + QStringLiteral("Top"), 0);
    o.Font = settings.getByte(kPrefix + QStringLiteral("Font"), 0);
    o.Company = settings.getByte(kPrefix + QStringLiteral("Company"), 1) == 1;
    o.DateTime = settings.getByte(kPrefix + QStringLiteral("DT"), 1) == 1;
    return o;
}

void SaveOptions(SettingsStore& settings, const ListPrintOptions& o) {
    settings.save(kPrefix + QStringLiteral("Left"), o.Left);
    settings.save(kPrefix + QStringLiteral("Top"), o.Top);
    settings.save(kPrefix + QStringLiteral("Font"), o.Font);
    settings.save(kPrefix + QStringLiteral("Company"), o.Company ? 1 : 0);
    settings.save(kPrefix + QStringLiteral("DT"), o.DateTime ? 1 : 0);
    settings.sync();
}

QString PrintedAt(const QDateTime& when) {
    // The short date of a Japanese desktop, then the time to the minute.
    return when.date().toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char(' ') +
           when.time().toString(QStringLiteral("hh:mm"));
}

QString MissingSubject(bool layout, bool companyMissing, bool rows) {
    QString subject;
    if (!layout)
        subject = QStringLiteral("用紙情報");
    if (companyMissing)
        subject = QStringLiteral("自社情報");
    if (!rows)
        subject = QStringLiteral("印刷データ");
    return subject;
}

ListPrintResult PrintList(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                          MessageService& messages, const QString& title, const QString& numFormat,
                          const ListPrintInput& input, const ListPrintOptions& options,
                          const std::function<bool()>& stopRequested) {
    std::optional<BusyCursor> busy(std::in_place);
    // Stops the run before its first page, telling the user why.
    const auto refuse = [&](const QString& subject, const QString& failure = QString()) {
        canvas.discardJob();
        busy.reset();
        if (failure.isEmpty())
            ShowMsg(messages, subject + QStringLiteral("が"), Msg::NotFound, Box::Stop, title);
        else
            ShowText(messages, failure, Box::Stop, title);
        return ListPrintResult::Missing;
    };

    // Everything is read and computed before the first page: a failure prints nothing.
    std::optional<ListLayout> layout;
    std::optional<CompanyRow> company;
    PreparedList list;
    try {
        layout = LayoutTables::ReadListLayout(layoutDb, input.Kind);
        if (options.Company)
            company = PrintData::Company(mainDb);
        const QString missing =
            MissingSubject(layout.has_value(), options.Company && !company, !input.Rows.isEmpty());
        if (!missing.isEmpty())
            return refuse(missing);
        double opening = 0;
        if (input.Kind == ListType::Transactions)
            opening = PrintData::CarryOver(mainDb, input.UserCode, input.CarryFrom, input.CarryTo);
        list = ListItems::Prepare(input.Kind, input.Rows, rowCodesOf(layout->form), layout->totals,
                                  opening);
    } catch (const DatabaseError& e) {
        return refuse(QString(), e.userMessage());
    }
    // A receivables list whose customers all had a quiet month has nothing to print.
    if (list.Rows.isEmpty())
        return refuse(QStringLiteral("印刷データ"));

    const DocumentLayout& form = layout->form;
    const DocumentLayoutKind& kind = form.kind;
    const int count = static_cast<int>(list.Rows.size());
    const int rowsPerPage = kind.Rows > 0 ? kind.Rows : count;
    const int pages = std::max(1, (count + rowsPerPage - 1) / rowsPerPage);
    const bool hasTotals = !layout->totals.isEmpty();
    const std::optional<int> labelCode = totalLabelCode(form, layout->totals);

    ListHeaderContext ctx;
    ctx.LayoutName = kind.Name;
    ctx.PrintedAt = options.DateTime ? input.PrintedAt : QString();
    if (options.Company && company)
        ctx.Company = company->Name;
    ctx.UserCode = input.UserCode;
    ctx.UserName = input.UserName;
    ctx.Subtitle = input.Subtitle;
    ctx.Pages = pages;

    canvas.setFontName(PrintEngine::BodyFont(options.Font));
    canvas.setFontSize(kind.FontSize);
    PrintEngine engine(canvas, numFormat);
    int first = 0;
    PrintEngine::ItemSource source;
    source.isDetail = &ListItems::IsRowCode;
    source.header = [&ctx](int code) { return ListItems::HeaderItem(code, ctx); };
    source.beforeHeader = [&](int code, double, double) {
        canvas.setFontSize(code == ListItem::CompanyName ? kind.FontSize - kCompanySmaller
                                                         : kind.FontSize);
    };
    source.detail = [&](int code, int n) -> std::optional<QString> {
        // The header may have ended in the company's smaller size.
        if (canvas.fontSize() != kind.FontSize)
            canvas.setFontSize(kind.FontSize);
        const int index = first + n;
        if (index < count) {
            const QMap<int, QString>& row = list.Rows[index];
            const auto found = row.constFind(code);
            if (found == row.constEnd())
                return std::nullopt;
            // The ditto mark starts again on every page: a page is read on its own.
            if (ListItems::IsDittoCode(code) && n > 0 && !found->isEmpty() &&
                list.Rows[index - 1].value(code) == *found)
                return ListItems::Ditto(*found);
            return *found;
        }
        // The line after the last row: the totals.
        const auto total = list.Totals.constFind(code);
        if (total != list.Totals.constEnd())
            return ListItems::NumberText(*total);
        if (labelCode && code == *labelCode)
            return QStringLiteral("合計");
        return std::nullopt;
    };

    const int blocks = std::max(kind.Block, 1);
    for (int page = 1; page <= pages; ++page) {
        if (stopRequested && stopRequested()) {
            canvas.discardJob();
            return ListPrintResult::Cancelled;
        }
        if (page > 1)
            canvas.newPage();
        ctx.Page = page;
        first = (page - 1) * rowsPerPage;
        source.detailLines = std::min(rowsPerPage, count - first);
        if (page == pages && hasTotals)
            ++source.detailLines;
        for (int block = 1; block <= blocks; ++block)
            engine.DrawBlock(form, block, options.Left, options.Top,
                             PrintEngine::BlockOffset(blocks, block), options.Font, source);
    }
    busy.reset();
    return canvas.endJob() ? ListPrintResult::Printed : ListPrintResult::OutputFailed;
}

} // namespace ListPrint
