// Printing to a PDF through the print engine on the printer canvas, the path every print
// run of the program takes (pages recorded, then played into the PDF when the job ends),
// against a bare QPainter on a QPrinter drawing the same text items at the same places in
// the same fonts, in the same run. Two runs are measured: a 99-line delivery note with
// its copy set (3 pages per set, 6 pages), and a list of 500 rows (10 pages of 50 rows
// in six columns: many texts per page, as lists and labels print). Both sides write a
// real PDF file; each figure is the median over several rounds, divided by the page
// count.
//
//   bench_print [ROUNDS]
#include "BarePrint.h"
#include "app/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFont.h"
#include "printing/PrinterCanvas.h"
#include "printing/RecordingCanvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Lines = 99;
constexpr int Rows = 33;
constexpr int Sets = 2; // the document and its copy set

// An A4 delivery note: title, number and date, customer and company blocks, a ruled
// table of 33 rows with seven columns, totals, remark and page number.
DocumentLayout deliveryNote() {
    DocumentLayout layout;
    layout.kind.Code = 1;
    layout.kind.DocType = 2;
    layout.kind.Name = QStringLiteral("納品書 A4(納品書)");
    layout.kind.Block = 1;
    layout.kind.Rows = Rows;
    layout.kind.RowHeight = 6.0;
    layout.kind.FontSize = 9;
    const auto place = [&layout](int code, double x1, double x2, double y, int align, int kind) {
        layout.positions.insert(code, LayoutPosition{code, x1, x2, y, align, kind});
    };
    place(0, 60, 150, 12, 2, 0);
    place(1, 150, 200, 22, 1, 0);
    place(5, 150, 200, 27, 1, 0);
    place(7, 15, 100, 30, 0, 0);
    place(8, 15, 100, 35, 0, 0);
    place(9, 15, 100, 40, 0, 0);
    place(10, 15, 100, 47, 0, 0);
    place(11, 15, 100, 53, 0, 0);
    place(12, 15, 100, 58, 0, 0);
    place(14, 120, 200, 35, 0, 0);
    place(15, 120, 200, 41, 0, 0);
    place(16, 120, 200, 45, 0, 0);
    place(18, 120, 200, 50, 0, 0);
    place(19, 120, 200, 55, 0, 0);
    place(20, 10, 35, 72, 0, 0);
    place(21, 35, 105, 72, 0, 0);
    place(22, 105, 122, 72, 1, 3);
    place(23, 122, 134, 72, 2, 0);
    place(24, 134, 157, 72, 1, 3);
    place(25, 157, 180, 72, 1, 1);
    place(26, 180, 200, 72, 0, 0);
    place(27, 15, 120, 276, 0, 0);
    place(28, 157, 200, 270, 1, 2);
    place(29, 157, 200, 276, 1, 2);
    place(30, 157, 200, 282, 1, 2);
    place(31, 180, 200, 289, 1, 0);
    layout.items.insert(1, {0,  1,  5,  7,  8,  9,  10, 11, 12, 14, 15, 16, 18,
                            19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31});

    layout.lines << LayoutLine{10, 64, 200, 268, 0, 4, 0, 1};
    for (int r = 0; r <= Rows; ++r)
        layout.lines << LayoutLine{10, 70.0 + r * 6, 200, 70.0 + r * 6, 0, 1, r == 0 ? 0 : 2, 0};
    for (double x : {35.0, 105.0, 122.0, 134.0, 157.0, 180.0})
        layout.lines << LayoutLine{x, 64, x, 268, 0, 1, 0, 0};
    layout.lines << LayoutLine{120, 268, 200, 286, 0, 2, 0, 1};
    const QStringList heads = {QStringLiteral("商品番号"), QStringLiteral("品名"),
                               QStringLiteral("数量"),     QStringLiteral("単位"),
                               QStringLiteral("単価"),     QStringLiteral("金額"),
                               QStringLiteral("備考")};
    const double edges[] = {10, 35, 105, 122, 134, 157, 180, 200};
    for (int i = 0; i < heads.size(); ++i)
        layout.fixedTexts << LayoutFixedText{edges[i], edges[i + 1], 65.5, heads[i], 2};
    layout.fixedTexts << LayoutFixedText{120, 157, 270, QStringLiteral("税抜金額"), 0}
                      << LayoutFixedText{120, 157, 276, QStringLiteral("税額"), 0}
                      << LayoutFixedText{120, 157, 282, QStringLiteral("税込金額"), 0};
    return layout;
}

// Draws the whole run, as the slip printing does: every page of every set, the title
// marked on the copy set, totals on the last page of a set, page numbers.
void printDocument(Canvas& canvas, const DocumentLayout& layout) {
    PrintEngine engine(canvas, QStringLiteral("#,#0.##"));
    canvas.setFontName(PrintEngine::BodyFont(0));
    canvas.setFontSize(layout.kind.FontSize);
    const int pages = (Lines + Rows - 1) / Rows;
    for (int page = 1; page <= pages * Sets; ++page) {
        const int p = (page - 1) % pages + 1;
        const bool copy = page > pages;
        if (page > 1)
            canvas.newPage();
        PrintEngine::ItemSource source;
        source.isDetail = [](int code) { return code >= 20 && code <= 26; };
        source.header = [&](int code) -> std::optional<QString> {
            switch (code) {
            case 0:
                return QStringLiteral("納品書") + (copy ? QStringLiteral("(控)") : QString());
            case 1:
                return QStringLiteral("2024年04月01日");
            case 5:
                return QStringLiteral("No. 000123");
            case 7:
                return QStringLiteral("〒910-0001");
            case 8:
                return QStringLiteral("福井県福井市大願寺3丁目4番1号");
            case 9:
                return QStringLiteral("キヴォラビル5階");
            case 10:
                return QStringLiteral("株式会社山田商店 様");
            case 11:
                return QStringLiteral("営業部  山田太郎 様");
            case 12:
                return QStringLiteral("TEL:0776-12-3456 FAX:0776-12-3457");
            case 14:
                return QStringLiteral("株式会社キヴォラ");
            case 15:
                return QStringLiteral("〒100-0001");
            case 16:
                return QStringLiteral("東京都千代田区千代田1-1");
            case 18:
                return QStringLiteral("TEL:03-1234-5678");
            case 19:
                return QStringLiteral("福井銀行 本店 普通 1234567");
            case 27:
                return QStringLiteral("毎度ありがとうございます。");
            case 28:
            case 29:
            case 30:
                if (p != pages)
                    return std::nullopt;
                return QString::number(code == 28 ? 1234567 : code == 29 ? 123456 : 1358023);
            case 31:
                return QStringLiteral("%1/%2").arg(p).arg(pages);
            default:
                return std::nullopt;
            }
        };
        const int first = (p - 1) * Rows;
        source.detailLines = std::min(Rows, Lines - first);
        source.detail = [first](int code, int n) -> std::optional<QString> {
            const int line = first + n + 1;
            switch (code) {
            case 20:
                return QStringLiteral("G%1").arg(line, 5, 10, QLatin1Char('0'));
            case 21:
                return QStringLiteral("事務用品 ボールペン 黒 %1").arg(line);
            case 22:
                return QString::number(line % 7 + 1);
            case 23:
                return QStringLiteral("本");
            case 24:
                return QString::number(120 + line);
            case 25:
                return QString::number((line % 7 + 1) * (120 + line));
            default:
                return QStringLiteral("在庫品");
            }
        };
        engine.DrawBlock(layout, 1, 0, 0, 0, 0, source);
    }
}

// A list as the list printing draws it: a title and page number, a ruled head, and
// 50 rows of six columns per page.
constexpr int ListRows = 500;
constexpr int RowsPerPage = 50;

void printList(Canvas& canvas) {
    PrintEngine engine(canvas, QStringLiteral("#,#0"));
    const double edges[] = {10, 30, 90, 120, 140, 170, 200};
    const int pages = ListRows / RowsPerPage;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            canvas.newPage();
        canvas.setFontName(PrintEngine::BodyFont(1));
        canvas.setFontSize(14);
        engine.PrintText(QStringLiteral("得意先一覧"), 10, 200, 10, 2, 0);
        canvas.setFontSize(8);
        engine.PrintText(QStringLiteral("%1/%2").arg(page + 1).arg(pages), 170, 200, 12, 1, 0);
        engine.DrawLine({10, 200}, {20, 20}, 0, 2, 0, 0);
        canvas.setFontName(PrintEngine::BodyFont(0));
        canvas.setFontSize(8);
        for (int r = 0; r < RowsPerPage; ++r) {
            const int row = page * RowsPerPage + r + 1;
            const double y = 22 + r * 5.2;
            const QString cells[] = {
                QStringLiteral("%1").arg(row, 6, 10, QLatin1Char('0')),
                QStringLiteral("株式会社山田商店 %1").arg(row),
                QStringLiteral("0776-12-%1").arg(row % 10000, 4, 10, QLatin1Char('0')),
                QStringLiteral("福井県"),
                QString::number(row * 1234),
                QStringLiteral("2024/04/%1").arg(row % 28 + 1, 2, 10, QLatin1Char('0'))};
            for (int c = 0; c < 6; ++c)
                engine.PrintText(cells[c], edges[c] + 1, edges[c + 1] - 1, y, c == 4 ? 1 : 0,
                                 c == 4 ? 1 : 0);
            engine.DrawLine({10, 200}, {y + 5, y + 5}, 0, 1, 2, 0);
        }
    }
}

bool printEngine(const std::function<void(Canvas&)>& draw, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    BarePdfPrinter(printer, file);
    PrinterCanvas canvas(printer);
    draw(canvas);
    return canvas.endJob();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timed(const std::function<bool()>& work) {
    QElapsedTimer clock;
    clock.start();
    if (!work()) {
        std::fprintf(stderr, "bench_print: printing failed\n");
        std::exit(1);
    }
    return clock.nsecsElapsed() / 1e6;
}

// Measures one run both ways and prints its figure.
bool measure(const char* name, const std::function<void(Canvas&)>& draw, int expectedPages,
             int rounds, const QTemporaryDir& dir) {
    RecordingCanvas recording;
    draw(recording);
    const int pages = recording.pageCount();
    if (pages != expectedPages) {
        std::fprintf(stderr, "bench_print: %s: expected %d pages, drew %d\n", name, expectedPages,
                     pages);
        return false;
    }
    const QString enginePdf = dir.filePath(QStringLiteral("engine.pdf"));
    const QString barePdf = dir.filePath(QStringLiteral("bare.pdf"));
    // One untimed run of each first: fonts loaded and embedded once.
    timed([&] { return printEngine(draw, enginePdf); });
    timed([&] { return PrintBare(recording.pages(), barePdf); });
    std::vector<double> engine, bare;
    for (int r = 0; r < rounds; ++r) {
        engine.push_back(timed([&] { return printEngine(draw, enginePdf); }) / pages);
        bare.push_back(timed([&] { return PrintBare(recording.pages(), barePdf); }) / pages);
    }
    std::fprintf(stderr, "bench_print: %s: %d pages, %d text items; PDF %lld / %lld bytes\n", name,
                 pages, static_cast<int>(recording.texts().size()),
                 static_cast<long long>(QFile(enginePdf).size()),
                 static_cast<long long>(QFile(barePdf).size()));
    const double value = median(engine), base = median(bare);
    std::printf("%s: %.3f ms (baseline %.3f ms, ratio %.2f)\n", name, value, base, value / base);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    QTemporaryDir dir;
    const DocumentLayout layout = deliveryNote();
    const bool ok =
        measure(
            "print_pdf_per_page", [&](Canvas& canvas) { printDocument(canvas, layout); },
            (Lines + Rows - 1) / Rows * Sets, rounds, dir) &&
        measure("print_pdf_list_page", printList, ListRows / RowsPerPage, rounds, dir);
    return ok ? 0 : 1;
}
