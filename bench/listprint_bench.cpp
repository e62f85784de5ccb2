// A 100-page receivables list (3,600 customers on the delivered 売掛一覧表 layout) printed
// to a PDF through the list printing on the printer canvas, against a bare QPainter on a
// QPrinter drawing the same text items at the same places in the same fonts, in the same
// run. Both sides write a real PDF file; each figure is the median over several rounds,
// divided by the page count.
//
//   bench_listprint SOURCE_DIR [ROUNDS]
#include "BarePrint.h"
#include "BenchTiming.h"
#include "DataGenerator.h"

#include "app/Startup.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "lists/ListQueries.h"
#include "printing/LayoutTables.h"
#include "printing/ListPrint.h"
#include "printing/PrinterCanvas.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Pages = 100;

class NoMessages : public MessageService {
public:
    int show(const MessageRequest& request) override {
        std::fprintf(stderr, "bench_listprint: %s\n", qPrintable(request.text));
        return MsgOK;
    }
};

// Customers with a carried balance, sales and payments in the month, none of them quiet.
RecordSet receivables(int count) {
    QList<QVariantList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double sales = 1100.0 * (i % 13 + 1);
        const double paid = i % 3 == 0 ? 5000.0 : 0.0;
        rows.append({QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0')),
                     QStringLiteral("株式会社サンプル商事 第%1営業所").arg(i % 40 + 1),
                     20000.0 + sales, 8000.0 + paid, sales, paid});
    }
    return RecordSet({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("PriceTotal"),
                      QStringLiteral("ReceiveTotal"), QStringLiteral("PeriodPrice"),
                      QStringLiteral("PeriodReceive")},
                     rows);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_listprint SOURCE_DIR [ROUNDS]\n");
        return 2;
    }
    InstallFontSubstitutions();
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;
    QTemporaryDir dir;
    const QString mainPath = dir.filePath(QStringLiteral("Kivora0.MDB"));
    const QString layoutPath = dir.filePath(QStringLiteral("Kivora1.MDB"));
    DataGenerator::CreateMainDatabase(mainPath, source);
    Database::createFromScript(layoutPath, source + QStringLiteral("/data/layout.sql"));
    Database mainDb(mainPath, MainDbMarkerTable());
    Database layoutDb(layoutPath, LayoutDbMarkerTable());
    NoMessages messages;

    const std::optional<ListLayout> layout =
        LayoutTables::ReadListLayout(layoutDb, ListType::Receivables);
    if (!layout) {
        std::fprintf(stderr, "bench_listprint: no receivables layout\n");
        return 1;
    }
    ListPrintInput input;
    input.Kind = ListType::Receivables;
    input.Rows = receivables(Pages * layout->form.kind.Rows);
    input.Subtitle = QStringLiteral("2024/05");
    input.PrintedAt = QStringLiteral("2024/05/31 17:45");
    const ListPrintOptions options; // company and date on, as a user prints it

    const auto printList = [&](Canvas& canvas) {
        return ListPrint::PrintList(canvas, mainDb, layoutDb, messages, QStringLiteral("bench"),
                                    QStringLiteral("#,#0"), input,
                                    options) == ListPrintResult::Printed;
    };
    RecordingCanvas recording;
    if (!printList(recording) || recording.pageCount() != Pages) {
        std::fprintf(stderr, "bench_listprint: expected %d pages, drew %d\n", Pages,
                     recording.pageCount());
        return 1;
    }

    const QString enginePdf = dir.filePath(QStringLiteral("list.pdf"));
    const QString barePdf = dir.filePath(QStringLiteral("bare.pdf"));
    bool ok = true;
    Samples engine, bare;
    engine.run(rounds, [&] {
        QPrinter printer(QPrinter::HighResolution);
        BarePdfPrinter(printer, enginePdf);
        PrinterCanvas canvas(printer);
        ok = printList(canvas) && ok;
    });
    bare.run(rounds, [&] { ok = PrintBare(recording.pages(), barePdf) && ok; });
    // The list printing's own share: the same run onto a canvas that only records, so
    // that a slow ratio shows whether the list or the page output costs the time.
    Samples listOnly;
    listOnly.run(rounds, [&] {
        RecordingCanvas canvas;
        ok = printList(canvas) && ok;
    });
    if (!ok) {
        std::fprintf(stderr, "bench_listprint: printing failed\n");
        return 1;
    }
    std::fprintf(stderr, "bench_listprint: %d pages, %d text items; PDF %lld / %lld bytes\n", Pages,
                 static_cast<int>(recording.texts().size()),
                 static_cast<long long>(QFile(enginePdf).size()),
                 static_cast<long long>(QFile(barePdf).size()));
    std::fprintf(stderr, "bench_listprint: the list alone, without output: %.3f ms a page\n",
                 listOnly.median() / Pages);
    report("listprint_pdf_per_page", engine.median() / Pages, bare.median() / Pages);
    return 0;
}
