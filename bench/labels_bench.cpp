// 1,000 address labels on the delivered 12-label sheet (84 sheets) to a PDF through the
// label printing on the printer canvas (pages recorded, then played onto a QPrinter),
// against a bare QPainter on a QPrinter drawing the same texts at the same places in the
// same fonts, in the same run. Both sides write a real PDF file; each figure is the
// median over several rounds.
//
//   bench_labels SOURCE_DIR [ROUNDS]
#include "BarePrint.h"
#include "BenchTiming.h"

#include "app/Startup.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/RecordSet.h"
#include "printing/LabelPrint.h"
#include "printing/LayoutTables.h"
#include "printing/PrintFont.h"
#include "printing/PrinterCanvas.h"
#include "printing/RecordingCanvas.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Labels = 1000;

RecordSet customers() {
    const QStringList fields = {
        QStringLiteral("Code"),      QStringLiteral("Name"),      QStringLiteral("Prefix1"),
        QStringLiteral("ZipCode"),   QStringLiteral("Address1"),  QStringLiteral("Address2"),
        QStringLiteral("TEL"),       QStringLiteral("Position1"), QStringLiteral("Charge1"),
        QStringLiteral("Position2"), QStringLiteral("Charge2"),   QStringLiteral("Prefix2")};
    QList<QVariantList> rows;
    for (int i = Labels; i >= 1; --i)
        rows << QVariantList{
            QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')),
            QStringLiteral("株式会社キヴォラ商事 第%1支店").arg(i),
            QStringLiteral("御中"),
            QStringLiteral("%1-%2").arg(100 + i % 900).arg(i, 4, 10, QLatin1Char('0')),
            QStringLiteral("東京都千代田区丸の内%1-2-3").arg(i % 9 + 1),
            QStringLiteral("丸の内センタービル%1階").arg(i % 30 + 1),
            QStringLiteral("03-1234-%1").arg(i, 4, 10, QLatin1Char('0')),
            QStringLiteral("総務部 購買課"),
            QStringLiteral("田中 一郎"),
            QString(),
            QString(),
            QStringLiteral("様")};
    return RecordSet(fields, rows);
}

void mustSucceed(bool ok) {
    if (!ok) {
        std::fprintf(stderr, "bench_labels: printing failed\n");
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_labels SOURCE_DIR [ROUNDS]\n");
        return 2;
    }
    InstallFontSubstitutions();
    const int rounds = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;
    QTemporaryDir dir;
    const QString layoutFile = dir.filePath(QStringLiteral("Kivora1.MDB"));
    Database::createFromScript(layoutFile, QString::fromLocal8Bit(argv[1]) +
                                               QStringLiteral("/data/layout.sql"));
    std::optional<LabelLayout> layout;
    {
        const Database layoutDb(layoutFile, LayoutDbMarkerTable());
        layout = LayoutTables::ReadLabelLayout(layoutDb, 1); // A4 12面
    }
    if (!layout) {
        std::fprintf(stderr, "bench_labels: no 12-label sheet\n");
        return 1;
    }
    const RecordSet rows = customers();
    LabelOptions options;

    RecordingCanvas recording;
    LabelPrint::PrintLabels(recording, *layout, rows, {}, options);
    const int pages = recording.pageCount();
    if (pages != (Labels + 11) / 12) {
        std::fprintf(stderr, "bench_labels: expected %d sheets, drew %d\n", (Labels + 11) / 12,
                     pages);
        return 1;
    }

    const QString enginePdf = dir.filePath(QStringLiteral("labels.pdf"));
    const QString barePdf = dir.filePath(QStringLiteral("bare.pdf"));
    Samples engine, bare;
    engine.run(rounds, [&] {
        QPrinter printer(QPrinter::HighResolution);
        BarePdfPrinter(printer, enginePdf);
        PrinterCanvas canvas(printer);
        mustSucceed(LabelPrint::PrintLabels(canvas, *layout, rows, {}, options) ==
                    LabelRun::Printed);
    });
    bare.run(rounds, [&] { mustSucceed(PrintBare(recording.pages(), barePdf)); });
    std::printf("labels to PDF: %d labels, %d sheets, %d texts\n", Labels, pages,
                static_cast<int>(recording.texts().size()));
    report("1,000 labels to PDF", engine.median(), bare.median());
    return 0;
}
