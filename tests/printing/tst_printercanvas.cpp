// The printer canvas: real pages through QPrinter, read back with poppler's tools, and
// recorded pages rendered to images to check millimetres, pens, colours and pictures.
#include "support/TestMain.h"
#include "app/Startup.h"
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

using namespace Qt::StringLiterals;

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
    QStringList pages = run(u"pdftotext"_s, {"-enc", "UTF-8", pdf, "-"})
                            .normalized(QString::NormalizationForm_KC)
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Word boxes of the first page in points.
QMap<QString, QRectF> pdfWords(const QString& pdf) {
    const QString html = run(u"pdftotext"_s, {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    QMap<QString, QRectF> words;
    static const QRegularExpression word(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.insert(m.captured(5).normalized(QString::NormalizationForm_KC),
                     QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    return words;
}

// An A4 portrait PDF printer writing `name` in a folder of its own.
struct PdfJob {
    QTemporaryDir dir;
    QString file;
    QPrinter printer{QPrinter::HighResolution};
    explicit PdfJob(const QString& name = u"out.pdf"_s) : file(dir.filePath(name)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
};

// Two pages of a delivery note drawn through the engine.
void drawTwoPages(PrinterCanvas& canvas) {
    PrintEngine engine(canvas, u"#,#0.##"_s);
    canvas.setFontName(PrintEngine::OtherFont(0));
    canvas.setFontSize(18);
    engine.PrintText(u"納品書"_s, 60, 150, 15, 2, 0);
    canvas.setFontName(PrintEngine::BodyFont(0));
    canvas.setFontSize(12);
    engine.PrintText(u"山田商店"_s, 20, 100, 40, 0, 0);
    engine.PrintText(u"山山山山"_s, 20, 100, 60, 0, 0);
    engine.PrintText(u"1000"_s, 120, 180, 80, 1, 2);
    engine.PrintText(u"20010131"_s, 120, 180, 100, 1, 4);
    engine.DrawLine({10, 200}, {90, 90}, 0, 2, 0, 0);
    canvas.newPage();
    engine.PrintText(u"2/2"_s, 150, 200, 280, 1, 0);
    engine.PrintText(u"税込金額"_s, 20, 100, 100, 0, 0);
}

// A recorded page rendered at 10 pixels per millimetre.
QImage render(const QPicture& page) {
    QImage image(1000, 1000, QImage::Format_RGB32);
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
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the printed PDF");
    }

    // The whole way through QPrinter: pages, paper, text, and the millimetres on paper.
    void printsARealPdf() {
        PdfJob job(u"納品書.pdf"_s);
        PrinterCanvas canvas(job.printer);
        drawTwoPages(canvas);
        QVERIFY(!QFileInfo::exists(job.file)); // nothing is written while pages are drawn
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.failure(), PrinterCanvas::Failure::None);

        const QString info = run(u"pdfinfo"_s, {job.file});
        QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+2\\s"_s)) && info.contains(u"(A4)"_s),
                 qPrintable(info));
        const QStringList pages = pdfPages(job.file);
        QCOMPARE(pages.size(), 2);
        for (const char* s : {"納品書", "山田商店", "¥1,000", "2001/01/31"})
            QVERIFY2(pages[0].contains(QString::fromUtf8(s)), qPrintable(pages[0]));
        QVERIFY(!pages[0].contains(u"税込金額"_s));
        QVERIFY(pages[1].contains(u"2/2"_s) && pages[1].contains(u"税込金額"_s));
        // The fonts in the file are the Japanese ones the names were mapped to.
        const QString fonts = run(u"pdffonts"_s, {job.file});
        QVERIFY2(fonts.contains(u"IPAMincho"_s) && fonts.contains(u"IPAGothic"_s),
                 qPrintable(fonts));

        // In points from the paper's corner: 12 pt per character, 1.0 mm inside the box edges.
        const QMap<QString, QRectF> words = pdfWords(job.file);
        const QRectF four = words.value(u"山山山山"_s);
        QVERIFY2(qAbs(four.width() - 48.0) < 0.2, qPrintable(QString::number(four.width())));
        QVERIFY(qAbs(four.left() - 21.0 * PtPerMm) < 0.3);
        QVERIFY(words.contains(u"¥1,000"_s));
        QVERIFY(qAbs(words[u"¥1,000"_s].right() - 179.0 * PtPerMm) < 0.3);
        const double nameTop = words.value(u"山田商店"_s).top() / PtPerMm;
        QVERIFY2(nameTop > 40.0 - 1.5 / PtPerMm && nameTop < 40.0 + 3.0 / PtPerMm,
                 qPrintable(QString::number(nameTop)));

        // The recorded pages remain; played onto another printer they give the same pages.
        QCOMPARE(canvas.pages().size(), 2);
        PdfJob again;
        QVERIFY(canvas.playPages(again.printer));
        QCOMPARE(pdfPages(again.file), pages);
    }

    // A stopped run; no print system (a PDF writer without a file); a file not writable.
    void jobsThatDoNotPrint() {
        PdfJob stopped;
        PrinterCanvas discarded(stopped.printer);
        drawTwoPages(discarded);
        discarded.discardJob();
        QVERIFY(discarded.pages().isEmpty());
        QVERIFY(!discarded.endJob());
        QCOMPARE(discarded.failure(), PrinterCanvas::Failure::NothingDrawn);
        QVERIFY(!QFileInfo::exists(stopped.file));

        PdfJob noSystem;
        noSystem.printer.setOutputFileName(QString());
        PrinterCanvas orphan(noSystem.printer);
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

        PdfJob unwritable(u"missing/folder/x.pdf"_s);
        PrinterCanvas refused(unwritable.printer);
        drawTwoPages(refused);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!refused.endJob());
        QCOMPARE(refused.failure(), PrinterCanvas::Failure::CannotStart);
    }

    // Pages kept for a preview never reach the printer; a print preview plays them.
    void keptPagesArePreviewedNotSent() {
        PdfJob job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        drawTwoPages(canvas);
        QVERIFY(canvas.endJob());
        QCOMPARE(canvas.pages().size(), 2);
        QPrintPreviewWidget preview(&job.printer);
        int requests = 0;
        connect(&preview, &QPrintPreviewWidget::paintRequested, this, [&](QPrinter* target) {
            ++requests;
            QVERIFY(canvas.playPages(*target));
        });
        preview.updatePreview();
        QVERIFY(requests > 0);
        QCOMPARE(preview.pageCount(), 2);
        QVERIFY(!QFileInfo::exists(job.file));
    }

    void paperPensAndColours() {
        PdfJob job;
        job.printer.setPageSize(QPageSize(QPageSize::B5));
        PrinterCanvas canvas(job.printer);
        QVERIFY(job.printer.fullPage());
        QCOMPARE(canvas.paperSize(), QPageSize::B5);
        QCOMPARE(canvas.orientation(), 1);
        canvas.setOrientation(2);
        QCOMPARE(canvas.orientation(), 2);
        QCOMPARE(job.printer.pageLayout().orientation(), QPageLayout::Landscape);
        canvas.setOrientation(1);
        QCOMPARE(job.printer.pageLayout().orientation(), QPageLayout::Portrait);
        // Styles 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none, others solid; 0x00BBGGRR.
        const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                       Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                       Qt::SolidLine};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(PrinterCanvas::PenStyleOf(i), styles[i]);
        QCOMPARE(PrinterCanvas::ColorOf(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(PrinterCanvas::ColorOf(0x408020), QColor(0x20, 0x80, 0x40));
    }

    // Shapes land on their millimetres in their colours; inside-solid keeps the pen inside.
    void shapesOnThePage() {
        PdfJob job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
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

        const QColor red = at(image, 50, 10), circle = at(image, 80, 60);
        QVERIFY(red.red() > 200 && red.green() < 60 && red.blue() < 60);
        QVERIFY(circle.blue() > 200 && circle.red() < 60);
        // Centred pen both sides of x = 10; inside-solid pen within [50, 90]; the circle's top.
        for (const QPointF p :
             {QPointF(9.7, 30), {10.3, 30}, {50.7, 30}, {89.3, 30}, {70, 50}, {61, 76}, {89, 84}})
            QVERIFY2(!isWhite(at(image, p.x(), p.y())), qPrintable(QString::number(p.x())));
        QCOMPARE(at(image, 61, 76), QColor(0, 0, 255));
        QCOMPARE(at(image, 89, 84), QColor(0, 0, 255));
        // Beside the line, in the box, outside [50, 90], invisible pen, circle centre, past
        // picture.
        for (const QPointF p :
             {QPointF(50, 11), {25, 30}, {49.7, 30}, {90.3, 30}, {20, 70}, {70, 60}, {91, 80}})
            QVERIFY2(isWhite(at(image, p.x(), p.y())), qPrintable(QString::number(p.x())));
    }

    // Text stands with its top at y; a vertical font turns each character on its side.
    void textPlacementAndVerticalWriting() {
        PdfJob job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        canvas.setFontSize(36);
        canvas.drawText(10, 20, u"一"_s);
        canvas.newPage();
        canvas.setFontName(u"@ＭＳ 明朝"_s);
        canvas.drawText(10, 20, u"一"_s);
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

KIVORA_TEST(TestPrinterCanvas)
#include "tst_printercanvas.moc"
