// Renders every delivered document, list and label layout with sample data into one PDF
// each, so that the forms can be looked at as pictures before a customer sees them. Runs
// on a private copy of the databases built from data/*.sql: the user's data is never opened.
//
//   kivora_gallery SOURCE_DIR OUTDIR [--gothic]
#include "GalleryLabels.h"
#include "GalleryLists.h"
#include "GalleryPrint.h"
#include "GallerySamples.h"
#include "LoggedMessages.h"

#include "app/Startup.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "printing/BillPrint.h"
#include "printing/LayoutTables.h"
#include "printing/ListPrint.h"
#include "printing/PrinterCanvas.h"
#include "printing/SlipPrint.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

struct Gallery {
    Database& mainDb;
    Database& layoutDb;
    SettingsStore& settings;
    LoggedMessages& messages;
    QString numFormat;
    int fontChoice = 0;
};

// Enough lines for three pages of the layout's line table (one page for a layout
// without one), so that page numbers, the totals on the last page and a short last page
// all show.
int SampleLines(const DocumentLayoutKind& kind) {
    return kind.Rows > 0 ? 2 * kind.Rows + 5 : 45;
}

// The print dialog's choices for a type, as the user would have saved them: company
// items on, the copy set wherever the layout allows one, and a different contact choice
// per type so that the gallery shows each of them.
void SaveChoices(SettingsStore& settings, const DocumentLayoutKind& kind, int fontChoice) {
    const QString prefix = QStringLiteral("S") + QString::number(kind.DocType);
    const int charge = kind.DocType == 1 ? 2 : (kind.DocType == 3 ? 1 : 0);
    settings.save(prefix + QStringLiteral("Top"), 0);
    settings.save(prefix + QStringLiteral("Left"), 0);
    settings.save(prefix + QStringLiteral("Charge"), charge);
    settings.save(prefix + QStringLiteral("Company"), 1);
    settings.save(prefix + QStringLiteral("Font"), fontChoice);
    settings.save(prefix + QStringLiteral("Duplicate"), kind.Duplicate ? 0 : 2);
    settings.save(prefix + QStringLiteral("Bank"), 0);
}

DocumentItemContext Context(const DocumentLayoutKind& kind, const SettingsStore& settings) {
    const QString prefix = QStringLiteral("S") + QString::number(kind.DocType);
    DocumentItemContext ctx;
    ctx.UserCode = GallerySamples::UserCode;
    ctx.Customer = GallerySamples::Customer();
    ctx.UserName = ctx.Customer.Name;
    ctx.Company = GallerySamples::Company();
    ctx.Charge = settings.getByte(prefix + QStringLiteral("Charge"));
    ctx.Bank = settings.getByte(prefix + QStringLiteral("Bank"));
    ctx.LayoutName = kind.Name;
    return ctx;
}

bool Render(Gallery& g, const DocumentLayoutKind& kind, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(kind.Name);
    PrinterCanvas canvas(printer);
    SaveChoices(g.settings, kind, g.fontChoice);

    if (kind.DocType <= 3) {
        // Slips print from the stored document, through the program's own routine.
        const QString number = QStringLiteral("%1").arg(kind.Code, 6, 10, QLatin1Char('0'));
        const QList<SlipLine> lines = GallerySamples::SlipLines(SampleLines(kind));
        const SlipPrintHeader header = GallerySamples::SlipHeader(kind.DocType, number, lines);
        SlipHeader stored;
        stored.UserCode = header.UserCode;
        stored.DocType = kind.DocType;
        stored.DocNumber = number;
        stored.IssueYMD = 20240515;
        stored.Remark = header.Remark;
        DocumentStore(g.mainDb).Save(stored, lines, 0);
        return SlipPrint::PrintSlip(canvas, g.mainDb, g.layoutDb, g.settings, g.messages,
                                    QStringLiteral("Kivora"), g.numFormat, kind.Code, header);
    }

    const std::optional<DocumentLayout> layout =
        LayoutTables::ReadDocumentLayout(g.layoutDb, kind.Code);
    if (!layout)
        return false;
    GalleryPrint::Options options;
    options.numFormat = g.numFormat;
    options.fontChoice = g.fontChoice;
    options.duplicate = g.settings.getByte(QStringLiteral("S") + QString::number(kind.DocType) +
                                           QStringLiteral("Duplicate"));
    const DocumentItemContext ctx = Context(kind, g.settings);
    if (kind.DocType == 6)
        return GalleryPrint::PrintReceipt(canvas, *layout, ctx, GallerySamples::Receipt(), options);
    const QList<BillPrintLine> lines = GallerySamples::BillLines(SampleLines(kind));
    DocumentItemContext billCtx = ctx;
    billCtx.Rates = BillPrint::RateTotals(lines, GallerySamples::Customer().Excise,
                                          GallerySamples::Company().ReducedExcise, 0);
    billCtx.Registered = true;
    return GalleryPrint::PrintBill(canvas, *layout, billCtx, GallerySamples::Bill(lines), lines,
                                   options);
}

// A list through the program's own list printing, with enough rows for three pages
// (the last one short, with the totals), the company and the print date on.
bool RenderList(Gallery& g, int kind, const QString& file, QString* name) {
    const std::optional<ListLayout> layout = LayoutTables::ReadListLayout(g.layoutDb, kind);
    if (!layout)
        return false;
    *name = layout->form.kind.Name;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(*name);
    PrinterCanvas canvas(printer);
    ListPrintOptions options;
    options.Font = g.fontChoice;
    const int rows = std::max(layout->form.kind.Rows, 1);
    const ListPrintInput input = GalleryLists::Input(kind, 2 * rows + 5);
    return ListPrint::PrintList(canvas, g.mainDb, g.layoutDb, g.messages, QStringLiteral("Kivora"),
                                g.numFormat, input, options) == ListPrintResult::Printed;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4 ||
        (args.size() == 4 && args[3] != QLatin1String("--gothic"))) {
        std::fprintf(stderr, "usage: kivora_gallery SOURCE_DIR OUTDIR [--gothic]\n");
        return 2;
    }
    InstallFontSubstitutions();
    const QString source = args[1];
    const QString outDir = QDir(args[2]).absolutePath();
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "kivora_gallery: cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    QTemporaryDir install;
    const QString dataFolder = install.path() + QStringLiteral("/DataFile/");
    QDir().mkpath(dataFolder);
    try {
        SchemaUpgrade::CreateMainDatabase(DbFileName(dataFolder, 0),
                                          source + QStringLiteral("/data/main.sql"));
        Database::createFromScript(DbFileName(dataFolder, 1),
                                   source + QStringLiteral("/data/layout.sql"));
        Database mainDb(DbFileName(dataFolder, 0), MainDbMarkerTable());
        Database layoutDb(DbFileName(dataFolder, 1), LayoutDbMarkerTable());
        CustomerStore(mainDb).Save(GallerySamples::Customer());
        CompanyStore(mainDb).Write(GallerySamples::Company());

        SettingsStore settings(install.path() + QStringLiteral("/Norv.ini"));
        const QString sealFile = install.path() + QStringLiteral("/seal.png");
        GallerySamples::Seal().save(sealFile);
        settings.save(QStringLiteral("Inkan"), sealFile);
        settings.save(QStringLiteral("InkanT"), QStringLiteral("1.5"));
        settings.save(QStringLiteral("InkanY"), QStringLiteral("1.5"));

        LoggedMessages messages;
        Gallery g{mainDb, layoutDb, settings, messages, SetNumFormat(1), args.size() == 4 ? 1 : 0};
        int failures = 0;
        for (int type = 0; type <= 6; ++type) {
            for (const DocumentLayoutKind& kind : LayoutTables::DocumentLayouts(layoutDb, type)) {
                const QString file =
                    outDir +
                    QStringLiteral("/layout-%1.pdf").arg(kind.Code, 2, 10, QLatin1Char('0'));
                const bool ok = Render(g, kind, file);
                std::printf("%s  type %d  %s%s\n", qPrintable(QDir(outDir).relativeFilePath(file)),
                            type, qPrintable(kind.Name), ok ? "" : "  FAILED");
                if (!ok)
                    ++failures;
            }
        }
        GalleryLists::StoreLedger(mainDb);
        for (int kind = 0; kind <= 9; ++kind) {
            const QString file =
                outDir + QStringLiteral("/list-%1.pdf").arg(kind, 2, 10, QLatin1Char('0'));
            QString name;
            const bool ok = RenderList(g, kind, file, &name);
            std::printf("%s  list %d  %s%s\n", qPrintable(QDir(outDir).relativeFilePath(file)),
                        kind, qPrintable(name), ok ? "" : "  FAILED");
            if (!ok)
                ++failures;
        }
        failures += GalleryLabels::RenderAll(layoutDb, outDir, g.fontChoice);
        return failures == 0 ? 0 : 1;
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "kivora_gallery: %s: %s\n", qPrintable(e.file()),
                     qPrintable(e.detail()));
        return 1;
    }
}
