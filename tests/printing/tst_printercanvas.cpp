// The printer canvas: pages through QPrinter read back with poppler's tools, jobs that must
// not print, and recorded pages rendered to images. The test never sees a print system of
// the machine: it points the print client at a socket that does not exist before any
// printer is made.
#include "app/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFont.h"
#include "printing/PrinterCanvas.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The printer of a print system that is there: the test seam's, writing a PDF.
struct Job {
    QTemporaryDir dir;
    FakePrinterService printers{dir.path()};
    QPrinter& printer = printers.printer();
    QString file = printers.printedPdf();
};

// Two pages of a delivery note drawn through the engine.
void drawTwoPages(PrinterCanvas& canvas) {
    PrintEngine engine(canvas, u"#,#0.##"_s);
    canvas.setFontSize(12);
    engine.PrintText(u"山田商店"_s, 20, 100, 40, 0, 0);
    engine.PrintText(u"1000"_s, 120, 180, 80, 1, 2);
    engine.DrawLine({10, 200}, {90, 90}, 0, 2, 0, 0);
    canvas.newPage();
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

bool isWhite(const QColor& c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

QColor at(const QImage& image, double xMm, double yMm) {
    return image.pixelColor(int(xMm * 10), int(yMm * 10));
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
        qputenv("CUPS_SERVER", "/nonexistent/kivora-test-cups.sock");
        QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(),
                 "the test must not see a print system");
        InstallFontSubstitutions();
    }

    // Nothing is written while pages are drawn; the job prints both pages, and the kept
    // pages play onto another printer alike.
    void printsWhenThereIsAPrinter() {
        Job job;
        PrinterCanvas canvas(job.printer);
        drawTwoPages(canvas);
        QVERIFY(!QFileInfo::exists(job.file) && canvas.endJob());
        QCOMPARE(PdfProbe::Pages(job.file), 2);
        const QStringList pages = PdfProbe::Text(job.file).split(QLatin1Char('\f'));
        QVERIFY(pages[0].contains(u"山田商店"_s) && pages[0].contains(u"¥1,000"_s));
        QVERIFY(!pages[0].contains(u"税込金額"_s) && pages[1].contains(u"税込金額"_s));
        Job again;
        QVERIFY(canvas.playPages(again.printer));
        QCOMPARE(PdfProbe::Text(again.file), PdfProbe::Text(job.file));
    }

    // A stopped run; no print system; a file that cannot be written.
    void jobsThatDoNotPrint() {
        Job stopped;
        PrinterCanvas discarded(stopped.printer);
        drawTwoPages(discarded);
        discarded.discardJob();
        QVERIFY(!discarded.endJob() && !QFileInfo::exists(stopped.file));
        QCOMPARE(discarded.failure(), PrinterCanvas::Failure::NothingDrawn);
        // Pages kept for a preview never reach the printer.
        PrinterCanvas kept(stopped.printer, PrinterCanvas::Output::Keep);
        drawTwoPages(kept);
        QVERIFY(kept.endJob() && kept.pages().size() == 2 && !QFileInfo::exists(stopped.file));

        // The printer the program makes, on a machine without a print system.
        QPrinter fallback(QPrinter::HighResolution);
        fallback.setOutputFormat(QPrinter::NativeFormat);
        PrinterCanvas orphan(fallback);
        drawTwoPages(orphan);
        QVERIFY(!orphan.endJob() && orphan.pages().size() == 2); // kept for a PDF or preview
        QCOMPARE(orphan.failure(), PrinterCanvas::Failure::NoPrinter);

        Job unwritable;
        unwritable.printer.setOutputFileName(unwritable.dir.filePath(u"missing/x.pdf"_s));
        PrinterCanvas refused(unwritable.printer);
        drawTwoPages(refused);
        QVERIFY(!refused.endJob() && refused.failure() == PrinterCanvas::Failure::CannotStart);
        QVERIFY(!refused.failureReason().isEmpty());
    }

    // A PDF takes its name only when complete: a run stopped or refused keeps the older
    // file of that name, a finished one replaces it, and no file of the run's own is left
    // in the folder either way; the printer keeps its file name for the next run.
    void pdfReplacesItsNameOnlyWhenDone() {
        Job job;
        const QDir folder(job.dir.path());
        QFile older(job.file);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        older.close();
        const QFile::Permissions access = older.permissions();
        const auto onlyTheFile = [&] {
            return folder.entryList(QDir::Files | QDir::Hidden) == QStringList{u"printed.pdf"_s};
        };
        PrinterCanvas stopped(job.printer);
        drawTwoPages(stopped);
        stopped.discardJob();
        QVERIFY(!stopped.endJob() && QFileInfo(job.file).size() == 5 && onlyTheFile());

        job.printers.queueAnswer = u"停止中"_s;
        PrinterCanvas refused(job.printer);
        refused.checkQueueWith(&job.printers);
        drawTwoPages(refused);
        QVERIFY(!refused.endJob() && refused.failureReason() == u"停止中"_s);
        QVERIFY(QFileInfo(job.file).size() == 5 && onlyTheFile());

        job.printers.queueAnswer.clear();
        for (int pages : {2, 1}) {
            PrinterCanvas canvas(job.printer);
            canvas.checkQueueWith(&job.printers);
            canvas.drawText(20, 20, u"山田商店"_s);
            if (pages == 2)
                canvas.newPage();
            QVERIFY(canvas.endJob());
            QCOMPARE(job.printer.outputFileName(), job.file);
            QCOMPARE(PdfProbe::Pages(job.file), pages);
            QVERIFY(onlyTheFile() && QFileInfo(job.file).permissions() == access);
        }
    }

    // A PDF the user keeps read-only is not replaced, though the folder would allow it.
    void readOnlyPdfIsKept() {
        Job job;
        QFile older(job.file);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
        older.close();
        QVERIFY(QFile::setPermissions(job.file, QFile::ReadOwner | QFile::ReadUser));
        if (QFile(job.file).open(QIODevice::Append))
            QSKIP("this user writes read-only files");
        PrinterCanvas canvas(job.printer);
        drawTwoPages(canvas);
        QVERIFY(!canvas.endJob() && !canvas.failureReason().isEmpty());
        QCOMPARE(QDir(job.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"printed.pdf"_s});
        QCOMPARE(QFileInfo(job.file).size(), 5);
    }

    // A page keeps each text in its own font and black, whatever font and coloured pen
    // came before it on that page.
    void fontsAndPensFromTextToText() {
        Job job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        canvas.setFontSize(36);
        canvas.drawText(10, 10, u"一"_s);
        canvas.setPen(24, 0);
        canvas.drawLine(10, 40, 90, 40, 0x0000FF);
        canvas.setFontSize(9);
        canvas.drawText(10, 50, u"一"_s);
        canvas.setFontSize(36);
        canvas.drawText(50, 50, u"一"_s);
        QVERIFY(canvas.endJob());
        const QImage image = render(canvas.pages().first());
        const QRect big = ink(image.copy(0, 0, 1000, 300));
        const QRect small = ink(image.copy(0, 450, 400, 300));
        const QRect bigAgain = ink(image.copy(450, 450, 550, 300));
        QVERIFY(small.width() * 3 < big.width() && qAbs(bigAgain.width() - big.width()) <= 2);
        QColor stroke = Qt::white; // the darkest pixel of the small text
        for (int y = small.top(); y <= small.bottom(); ++y)
            for (int x = small.left(); x <= small.right(); ++x)
                if (image.pixelColor(x, y + 450).lightness() < stroke.lightness())
                    stroke = image.pixelColor(x, y + 450);
        QVERIFY2(stroke.red() < 100, qPrintable(stroke.name()));
        QVERIFY(at(image, 50, 40).red() > 200 && at(image, 50, 40).blue() < 60);
    }

    // Lines and boxes land on their millimetres in their colours (0x00BBGGRR); the
    // inside-solid pen stays within its box; the invisible pen draws nothing.
    void shapesOnThePage() {
        Job job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        PrintEngine engine(canvas, QString());
        engine.DrawLine({10, 90}, {10, 10}, 0x0000FF, 12, 0, 0); // red line, 0.5 mm
        engine.DrawLine({50, 90}, {20, 40}, 0xFF0000, 24, 6, 1); // blue box, 1 mm inside
        engine.DrawLine({20, 40}, {60, 90}, 0, 24, 5, 1);        // invisible
        QVERIFY(canvas.endJob());
        const QImage image = render(canvas.pages().first());
        QVERIFY(at(image, 50, 10).red() > 200 && at(image, 50, 10).blue() < 60);
        QVERIFY(at(image, 50.7, 30).blue() > 200 && at(image, 89.3, 30).red() < 60);
        for (const QPointF p : {QPointF(50, 11), {49.7, 30}, {90.3, 30}, {20, 70}})
            QVERIFY2(isWhite(at(image, p.x(), p.y())), qPrintable(QString::number(p.x())));
    }

    // Text stands with its top at y; a vertical font turns each character on its side.
    void textPlacementAndVerticalWriting() {
        Job job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        canvas.setFontSize(36);
        canvas.drawText(10, 20, u"一"_s);
        canvas.newPage();
        canvas.setFontName(u"@ＭＳ 明朝"_s);
        canvas.drawText(10, 20, u"一"_s);
        QVERIFY(canvas.endJob());
        const double em = 36.0 / 72.0 * 25.4; // a full-width character is one em wide
        QVERIFY(qAbs(canvas.textWidth(u"山山"_s) - 2 * em) < 0.05);
        const QRect flat = ink(render(canvas.pages()[0]));
        const QRect turned = ink(render(canvas.pages()[1]));
        // The stroke of 一 lies across; turned, it stands upright; both in the character's
        // cell from (10, 20).
        QVERIFY(flat.width() > 4 * flat.height() && turned.height() > 4 * turned.width());
        for (const QRect& box : {flat, turned})
            QVERIFY(box.left() >= 100 && box.right() <= 100 + em * 10 && box.top() >= 200 &&
                    box.bottom() <= 200 + em * 11);
    }

    // The canvas measures texts by adding up the advances it keeps per character: it must
    // agree with the font laying out the whole text, in the font and size of the moment,
    // for texts where characters join or combine too.
    void measuredWidthFollowsTheFont() {
        Job job;
        PrinterCanvas canvas(job.printer, PrinterCanvas::Output::Keep);
        const QStringList texts = {u"株式会社山田商店 ｶﾌﾞｼｷ"_s,
                                   u"¥1,234,567-"_s,
                                   u"office fit Waffle"_s,
                                   u"か\u3099が"_s,
                                   u"e\u0301te"_s,
                                   u"𠮷野家"_s};
        for (const QString& font : {u"ＭＳ 明朝"_s, u"ＭＳ ゴシック"_s}) {
            canvas.setFontName(font);
            for (double points : {9.0, 14.0, 9.0}) {
                canvas.setFontSize(points);
                const QFontMetricsF metrics(PrintFont::Font(font, points));
                for (const QString& text : texts)
                    QVERIFY2(qAbs(canvas.textWidth(text) - PrintFont::TextWidth(metrics, text)) <
                                 0.01,
                             qPrintable(font + u' ' + QString::number(points) + u' ' + text));
            }
        }
    }
};

KIVORA_TEST(TestPrinterCanvas)
#include "tst_printercanvas.moc"
