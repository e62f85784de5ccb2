// The printer canvas: real pages through QPrinter. A PDF is written and read back with
// poppler's tools (page count, page size, text, where a word ends); recorded pages are
// rendered to images to check millimetres, pens, colours and pictures.
#include "core/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFont.h"
#include "printing/PrinterCanvas.h"

#include <QFileInfo>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double PtPerMm = 72.0 / 25.4;

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, compatibility forms folded (NFKC), as a reader copies it.
QStringList pdfPages(const QString& pdf) {
    const QString text =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
            .normalized(QString::NormalizationForm_KC);
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int pdfPageCount(const QString& pdf) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Word boxes of the first page in points: word → (xMin, yMin, xMax, yMax).
QMap<QString, QRectF> pdfWords(const QString& pdf) {
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    QMap<QString, QRectF> words;
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.insert(m.captured(5).normalized(QString::NormalizationForm_KC),
                     QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    return words;
}

void pdfPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

// Two pages of a delivery note drawn through the engine.
void drawTwoPages(PrinterCanvas& canvas) {
    PrintEngine engine(canvas, QStringLiteral("#,#0.##"));
    canvas.setFontName(PrintEngine::OtherFont(0));
    canvas.setFontSize(18);
    engine.PrintText(QStringLiteral("納品書"), 60, 150, 15, 2, 0);
    canvas.setFontName(PrintEngine::BodyFont(0));
    canvas.setFontSize(12);
    engine.PrintText(QStringLiteral("山田商店"), 20, 100, 40, 0, 0);
    engine.PrintText(QStringLiteral("山山山山"), 20, 100, 60, 0, 0);
    engine.PrintText(QStringLiteral("1000"), 120, 180, 80, 1, 2);
    engine.PrintText(QStringLiteral("20010131"), 120, 180, 100, 1, 4);
    engine.DrawLine({10, 200}, {90, 90}, 0, 2, 0, 0);
    canvas.newPage();
    engine.PrintText(QStringLiteral("2/2"), 150, 200, 280, 1, 0);
    engine.PrintText(QStringLiteral("税込金額"), 20, 100, 100, 0, 0);
}

// A recorded page rendered at 10 pixels per millimetre.
QImage render(const QPicture& page, double widthMm = 100, double heightMm = 100) {
    QImage image(int(widthMm * 10), int(heightMm * 10), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PrinterCanvas::PaintPage(p, page, 254.0);
    p.end();
    return image;
}

QColor at(const QImage& image, double xMm, double yMm) {
    return image.pixelColor(int(xMm * 10), int(yMm * 10));
}

bool isWhite(const QColor& c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

// Bounding box of the non-white pixels, in pixels.
QRect ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestPrinterCanvas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InstallFontSubstitutions();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the printed PDF");
    }

    // The whole way through QPrinter: pages, paper, text, and the millimetres on paper.
    void printsARealPdf() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("納品書.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        PrinterCanvas canvas(printer);
        drawTwoPages(canvas);
        // Nothing is written while the pages are drawn.
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.failure(), PrinterCanvas::Failure::None);
        QVERIFY(QFileInfo::exists(file));

        QCOMPARE(pdfPageCount(file), 2);
        QVERIFY(run(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("(A4)")));
        const QStringList pages = pdfPages(file);
        QCOMPARE(pages.size(), 2);
        for (const char* s : {"納品書", "山田商店", "¥1,000", "2001/01/31"})
            QVERIFY2(pages[0].contains(QString::fromUtf8(s)), qPrintable(pages[0]));
        QVERIFY(!pages[0].contains(QStringLiteral("税込金額")));
        QVERIFY(pages[1].contains(QStringLiteral("2/2")));
        QVERIFY(pages[1].contains(QStringLiteral("税込金額")));
        // The fonts in the file are the Japanese ones the names were mapped to.
        const QString fonts = run(QStringLiteral("pdffonts"), {file});
        QVERIFY2(fonts.contains(QStringLiteral("IPAMincho")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QStringLiteral("IPAGothic")), qPrintable(fonts));

        const QMap<QString, QRectF> words = pdfWords(file);
        // A 12-point font prints at 12 points: four full-width characters are 48 pt wide.
        QVERIFY(words.contains(QStringLiteral("山山山山")));
        QVERIFY2(qAbs(words[QStringLiteral("山山山山")].width() - 48.0) < 0.2,
                 qPrintable(QString::number(words[QStringLiteral("山山山山")].width())));
        // Left-aligned text starts 1.0 mm inside x1; a right-aligned amount ends 1.0 mm
        // left of x2, measured on the page from the paper's corner.
        QVERIFY(qAbs(words[QStringLiteral("山山山山")].left() - 21.0 * PtPerMm) < 0.3);
        QVERIFY(words.contains(QStringLiteral("¥1,000")));
        QVERIFY(qAbs(words[QStringLiteral("¥1,000")].right() - 179.0 * PtPerMm) < 0.3);
        // The text's top is where it was placed: the word box spans the line from y.
        const QRectF name = words[QStringLiteral("山田商店")];
        QVERIFY2(name.top() > 40.0 * PtPerMm - 1.5 && name.top() < 40.0 * PtPerMm + 3.0,
                 qPrintable(QString::number(name.top() / PtPerMm)));
        // The title at 18 points is centred on 105 mm.
        const QRectF title = words[QStringLiteral("納品書")];
        QVERIFY(qAbs(title.center().x() - 105.0 * PtPerMm) < 0.3);
        QVERIFY(qAbs(title.width() - 54.0) < 0.3);

        // The recorded pages remain, for a preview; played onto another printer they
        // give the same pages.
        QCOMPARE(canvas.pages().size(), 2);
        const QString again = dir.filePath(QStringLiteral("again.pdf"));
        QPrinter copy(QPrinter::HighResolution);
        pdfPrinter(copy, again);
        QVERIFY(canvas.playPages(copy));
        QCOMPARE(pdfPages(again), pages);
    }

    // A stopped run leaves no file and no pages.
    void discardedJobPrintsNothing() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("stopped.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        PrinterCanvas canvas(printer);
        drawTwoPages(canvas);
        canvas.discardJob();
        QVERIFY(canvas.pages().isEmpty());
        QVERIFY(!canvas.endJob());
        QCOMPARE(canvas.failure(), PrinterCanvas::Failure::NothingDrawn);
        QVERIFY(!QFileInfo::exists(file));
    }

    // Without a print system QPrinter quietly becomes a PDF writer without a file; that
    // is "no printer", not success. A file that cannot be written fails the job too.
    void refusedOutputIsReported() {
        QPrinter noSystem(QPrinter::HighResolution);
        noSystem.setOutputFormat(QPrinter::PdfFormat);
        noSystem.setOutputFileName(QString());
        PrinterCanvas orphan(noSystem);
        drawTwoPages(orphan);
        QVERIFY(!orphan.endJob());
        QCOMPARE(orphan.failure(), PrinterCanvas::Failure::NoPrinter);
        QCOMPARE(orphan.pages().size(), 2); // still there for a PDF or a preview

        // The printer the program makes when the machine has no print system at all.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            QPrinter fallback(QPrinter::HighResolution);
            fallback.setOutputFormat(QPrinter::NativeFormat);
            PrinterCanvas canvas(fallback);
            drawTwoPages(canvas);
            QVERIFY(!canvas.endJob());
            QCOMPARE(canvas.failure(), PrinterCanvas::Failure::NoPrinter);
        }

        QTemporaryDir dir;
        QPrinter unwritable(QPrinter::HighResolution);
        pdfPrinter(unwritable, dir.filePath(QStringLiteral("missing/folder/x.pdf")));
        PrinterCanvas refused(unwritable);
        drawTwoPages(refused);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!refused.endJob());
        QCOMPARE(refused.failure(), PrinterCanvas::Failure::CannotStart);
    }

    // Pages kept for a preview never reach the printer.
    void keptPagesAreNotSent() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kept.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdfPrinter(printer, file);
        PrinterCanvas canvas(printer, PrinterCanvas::Output::Keep);
        drawTwoPages(canvas);
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.pages().size(), 2);
        QVERIFY(!QFileInfo::exists(file));
    }

    // A print preview plays the same recorded pages.
    void previewShowsTheRecordedPages() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterCanvas canvas(printer, PrinterCanvas::Output::Keep);
        drawTwoPages(canvas);
        QVERIFY(canvas.endJob());
        QPrintPreviewWidget preview(&printer);
        int requests = 0;
        connect(&preview, &QPrintPreviewWidget::paintRequested, this, [&](QPrinter* target) {
            ++requests;
            QVERIFY(canvas.playPages(*target));
        });
        preview.updatePreview();
        QVERIFY(requests > 0);
        QCOMPARE(preview.pageCount(), 2);
    }

    void paperAndOrientation() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::B5));
        PrinterCanvas canvas(printer);
        QVERIFY(printer.fullPage());
        QCOMPARE(canvas.paperSize(), QPageSize::B5);
        QCOMPARE(canvas.orientation(), 1);
        canvas.setOrientation(2);
        QCOMPARE(canvas.orientation(), 2);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        canvas.setOrientation(1);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }

    void penStylesAndColours() {
        QCOMPARE(PrinterCanvas::PenStyleOf(0), Qt::SolidLine);
        QCOMPARE(PrinterCanvas::PenStyleOf(1), Qt::DashLine);
        QCOMPARE(PrinterCanvas::PenStyleOf(2), Qt::DotLine);
        QCOMPARE(PrinterCanvas::PenStyleOf(3), Qt::DashDotLine);
        QCOMPARE(PrinterCanvas::PenStyleOf(4), Qt::DashDotDotLine);
        QCOMPARE(PrinterCanvas::PenStyleOf(5), Qt::NoPen);
        QCOMPARE(PrinterCanvas::PenStyleOf(6), Qt::SolidLine);
        // Stored colours are 0x00BBGGRR.
        QCOMPARE(PrinterCanvas::ColorOf(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(PrinterCanvas::ColorOf(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(PrinterCanvas::ColorOf(0x408020), QColor(0x20, 0x80, 0x40));
    }

    // Lines, boxes and circles land on their millimetres in their colours; an invisible
    // pen draws nothing; an inside-solid box keeps its pen inside the outline.
    void shapesOnThePage() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterCanvas canvas(printer, PrinterCanvas::Output::Keep);
        PrintEngine engine(canvas, QString());
        engine.DrawLine({10, 90}, {10, 10}, 0x0000FF, 12, 0, 0); // red line, 0.5 mm
        engine.DrawLine({10, 40}, {20, 40}, 0, 24, 0, 1);        // box, 1 mm pen
        engine.DrawLine({50, 90}, {20, 40}, 0, 24, 6, 1);        // inside solid box
        engine.DrawLine({20, 40}, {60, 90}, 0, 24, 5, 1);        // invisible
        engine.DrawLine({70, 10}, {60, 0}, 0xFF0000, 12, 0, 2);  // blue circle r 10
        QImage blue(2, 2, QImage::Format_RGB32);
        blue.fill(QColor(0, 0, 255));
        canvas.drawPicture(60, 75, 30, 10, blue);
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.pages().size(), 1);
        const QImage image = render(canvas.pages().first());

        QColor c = at(image, 50, 10);
        QVERIFY(c.red() > 200 && c.green() < 60 && c.blue() < 60);
        QVERIFY(isWhite(at(image, 50, 11)));
        // Centred pen: ink on both sides of x = 10.
        QVERIFY(!isWhite(at(image, 9.7, 30)));
        QVERIFY(!isWhite(at(image, 10.3, 30)));
        QVERIFY(isWhite(at(image, 25, 30)));
        // Inside solid: the 1 mm pen lies within [50, 90].
        QVERIFY(isWhite(at(image, 49.7, 30)));
        QVERIFY(!isWhite(at(image, 50.7, 30)));
        QVERIFY(!isWhite(at(image, 89.3, 30)));
        QVERIFY(isWhite(at(image, 90.3, 30)));
        // Invisible pen.
        QVERIFY(isWhite(at(image, 20, 70)));
        // Circle around (70, 60) with radius 10.
        c = at(image, 80, 60);
        QVERIFY(c.blue() > 200 && c.red() < 60);
        QVERIFY(!isWhite(at(image, 70, 50)));
        QVERIFY(isWhite(at(image, 70, 60)));
        // The picture is stretched over 30 × 10 mm.
        QCOMPARE(at(image, 61, 76), QColor(0, 0, 255));
        QCOMPARE(at(image, 89, 84), QColor(0, 0, 255));
        QVERIFY(isWhite(at(image, 91, 80)));
    }

    // Text stands with its top at y; a vertical font turns each character on its side.
    void textPlacementAndVerticalWriting() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterCanvas canvas(printer, PrinterCanvas::Output::Keep);
        canvas.setFontSize(36);
        canvas.drawText(10, 20, QStringLiteral("一"));
        canvas.newPage();
        canvas.setFontName(QStringLiteral("@ＭＳ 明朝"));
        canvas.drawText(10, 20, QStringLiteral("一"));
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.pages().size(), 2);
        const double em = 36.0 / 72.0 * 25.4;
        const QRect flat = ink(render(canvas.pages()[0]));
        const QRect turned = ink(render(canvas.pages()[1]));
        QVERIFY(!flat.isEmpty() && !turned.isEmpty());
        // The stroke of 一 lies across; turned, it stands upright.
        QVERIFY(flat.width() > 4 * flat.height());
        QVERIFY(turned.height() > 4 * turned.width());
        // Both stay within the character's cell from (10, 20).
        for (const QRect& box : {flat, turned}) {
            QVERIFY(box.left() >= 100 && box.right() <= 100 + em * 10);
            QVERIFY(box.top() >= 200 && box.bottom() <= 200 + em * 10 * 1.1);
        }
    }
};

QTEST_MAIN(TestPrinterCanvas)
#include "tst_printercanvas.moc"
