#include "GalleryLabels.h"

#include "core/RecordSet.h"
#include "printing/LabelPrint.h"
#include "printing/LayoutTables.h"
#include "printing/PrinterCanvas.h"

#include <QDir>
#include <QPrinter>
#include <cstdio>

namespace {

// Customers as the label list holds them (descending by code): companies with and
// without a contact, a private person, long and short addresses.
RecordSet SampleCustomers(int copies) {
    const QStringList fields = {
        QStringLiteral("Code"),      QStringLiteral("Name"),      QStringLiteral("Prefix1"),
        QStringLiteral("ZipCode"),   QStringLiteral("Address1"),  QStringLiteral("Address2"),
        QStringLiteral("TEL"),       QStringLiteral("Position1"), QStringLiteral("Charge1"),
        QStringLiteral("Position2"), QStringLiteral("Charge2"),   QStringLiteral("Prefix2")};
    const QList<QStringList> people = {
        {QStringLiteral("株式会社さくら商事"), QStringLiteral("御中"), QStringLiteral("100-0005"),
         QStringLiteral("東京都千代田区丸の内1-2-3"), QStringLiteral("丸の内センタービル12階"),
         QStringLiteral("03-1234-5678"), QStringLiteral("総務部 購買課"),
         QStringLiteral("田中 一郎")},
        {QStringLiteral("山本 太郎"), QStringLiteral("様"), QStringLiteral("530-0001"),
         QStringLiteral("大阪府大阪市北区梅田2-4-9"), QString(), QStringLiteral("06-6345-1200"),
         QString(), QString()},
        {QStringLiteral("有限会社ひかり工房"), QStringLiteral("御中"), QStringLiteral("060-0001"),
         QStringLiteral("北海道札幌市中央区北一条西4-2-2"), QStringLiteral("札幌ノースビル3F"),
         QStringLiteral("011-231-0456"), QStringLiteral("製作部"), QStringLiteral("佐々木 和子")},
        {QStringLiteral("みなと印刷株式会社"), QStringLiteral("御中"), QStringLiteral("812-0011"),
         QStringLiteral("福岡県福岡市博多区博多駅前3-25-21"), QString(),
         QStringLiteral("092-481-7788"), QString(), QString()},
    };
    QList<QVariantList> rows;
    const int count = copies * static_cast<int>(people.size());
    for (int i = count; i >= 1; --i) {
        const QStringList& p = people.at((i - 1) % people.size());
        rows << QVariantList{QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')),
                             p[0],
                             p[1],
                             p[2],
                             p[3],
                             p[4],
                             p[5],
                             p[6],
                             p[7],
                             QString(),
                             QString(),
                             QStringLiteral("様")};
    }
    return RecordSet(fields, rows);
}

} // namespace

namespace GalleryLabels {

int RenderAll(const Database& layoutDb, const QString& outDir, int fontChoice) {
    int failures = 0;
    for (const LabelSheet& sheet : LayoutTables::LabelSheets(layoutDb)) {
        const std::optional<LabelLayout> layout =
            LayoutTables::ReadLabelLayout(layoutDb, sheet.Code);
        const QString file =
            outDir + QStringLiteral("/label-%1.pdf").arg(sheet.Code, 2, 10, QLatin1Char('0'));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(sheet.CharHorV ? QPageSize::EnvelopeChou3 : QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setDocName(sheet.Name);
        PrinterCanvas canvas(printer);
        LabelOptions options;
        options.Font = fontChoice;
        options.Start = 4;
        const int copies = sheet.CharHorV ? 1 : (sheet.labels() + 3) / 4 + 1;
        const bool ok = layout && LabelPrint::PrintLabels(canvas, *layout, SampleCustomers(copies),
                                                          {}, options) == LabelRun::Printed;
        std::printf("%s  labels  %s%s\n", qPrintable(QDir(outDir).relativeFilePath(file)),
                    qPrintable(sheet.Name), ok ? "" : "  FAILED");
        if (!ok)
            ++failures;
    }
    return failures;
}

} // namespace GalleryLabels
