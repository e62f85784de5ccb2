// Address labels: where each customer's label goes on a sheet (start label, new sheets,
// one customer filling a sheet, rows switched off in the list), what each item prints,
// a stopped run, and vertical writing on the turned page, recorded and rendered.
#include "core/RecordSet.h"
#include "printing/LabelPrint.h"
#include "printing/PrinterCanvas.h"
#include "printing/RecordingCanvas.h"
#include "support/TestMain.h"

#include <QPainter>
#include <QPrinter>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A 3 × 2 sheet: labels 80 mm apart across and 90 mm down, the name at (10, 20) of each.
LabelLayout sheet3x2(bool labelPos = true) {
    LabelLayout l;
    l.sheet = {1, u"3×2"_s, 1, 3, 2, 80, 90, 0, labelPos};
    l.items = {LabelItem::Name};
    l.positions.insert(LabelItem::Name, {LabelItem::Name, 10, 70, 20, 0, 0, 10});
    return l;
}

// Customers as the label list holds them: descending by code.
RecordSet customers(int count) {
    const QStringList fields = {u"Code"_s,     u"Name"_s,      u"Prefix1"_s, u"ZipCode"_s,
                                u"Address1"_s, u"Address2"_s,  u"TEL"_s,     u"Position1"_s,
                                u"Charge1"_s,  u"Position2"_s, u"Charge2"_s, u"Prefix2"_s};
    QList<QVariantList> rows;
    for (int i = count; i >= 1; --i)
        rows << QVariantList{QString::number(i), u"顧客%1"_s.arg(i), u"御中"_s,
                             u"123-4567"_s,      u"東京都港区1-2"_s, u"ビル3F"_s,
                             u"03-1234-5678"_s,  u"営業部"_s,        u"鈴木"_s,
                             u"総務部"_s,        u"佐藤"_s,          u"様"_s};
    return RecordSet(fields, rows);
}

// Label slot of a drawn name: (page, row * cols + col) from its position.
QList<QPair<int, int>> labelSlots(const RecordingCanvas& canvas, const QString& text) {
    QList<QPair<int, int>> out;
    for (int page = 0; page < canvas.pageCount(); ++page)
        for (const RecordedOp& op : canvas.texts(page))
            if (op.text == text)
                out << qMakePair(page, int((op.y - 20) / 90) * 2 + int((op.x - 11) / 80));
    return out;
}

} // namespace

class TestLabelPrint : public QObject {
    Q_OBJECT
private slots:
    // Starting at label 4 of a 3 × 2 sheet: the first customer on row 2, column 0, the
    // second beside it, the third on a new sheet; a run that fills its sheet exactly
    // leaves no blank sheet after it. A sheet that fixes its start ignores the choice.
    void startLabelAndNewSheet() {
        LabelOptions options;
        options.Start = 4;
        RecordingCanvas canvas;
        QCOMPARE(LabelPrint::PrintLabels(canvas, sheet3x2(), customers(3), {}, options),
                 LabelRun::Printed);
        QCOMPARE(labelSlots(canvas, u"顧客1"_s), (QList<QPair<int, int>>{{0, 4}}));
        QCOMPARE(labelSlots(canvas, u"顧客2"_s), (QList<QPair<int, int>>{{0, 5}}));
        QCOMPARE(labelSlots(canvas, u"顧客3"_s), (QList<QPair<int, int>>{{1, 0}}));
        const RecordedOp first = canvas.findText(u"顧客1"_s).value();
        QCOMPARE(first.x, 11.0); // Left + X1 + column 0, and the 1 mm box margin
        QCOMPARE(first.y, 200.0);

        RecordingCanvas exact;
        LabelPrint::PrintLabels(exact, sheet3x2(), customers(2), {}, options);
        QCOMPARE(exact.pageCount(), 1);
        QVERIFY(exact.ended());

        RecordingCanvas fixed;
        LabelPrint::PrintLabels(fixed, sheet3x2(false), customers(1), {}, options);
        QCOMPARE(labelSlots(fixed, u"顧客1"_s), (QList<QPair<int, int>>{{0, 0}}));
    }

    // "１頁に同一顧客を出力する": each customer fills a sheet of its own, from the start
    // label on the first; a customer switched off takes no label and no sheet.
    void sameCustomerFillsTheSheet() {
        LabelOptions options;
        options.SameCustomer = true;
        options.Start = 3;
        RecordingCanvas canvas;
        // Rows are 3, 2, 1: customer 2 is switched off.
        LabelPrint::PrintLabels(canvas, sheet3x2(), customers(3), {true, false, true}, options);
        QCOMPARE(canvas.pageCount(), 2);
        QCOMPARE(labelSlots(canvas, u"顧客1"_s), (QList<QPair<int, int>>{{0, 3}, {0, 4}, {0, 5}}));
        QCOMPARE(labelSlots(canvas, u"顧客3"_s).size(), 6);
        QVERIFY(labelSlots(canvas, u"顧客2"_s).isEmpty());
    }

    // Rows switched off in the list display are passed over without using a label, even
    // on a sheet's last label.
    void markedOffRowsTakeNoLabel() {
        LabelOptions options;
        options.Start = 5;
        RecordingCanvas canvas;
        // Rows are 4, 3, 2, 1: 1 and 3 are switched off.
        LabelPrint::PrintLabels(canvas, sheet3x2(), customers(4), {true, false, true, false},
                                options);
        QCOMPARE(labelSlots(canvas, u"顧客2"_s), (QList<QPair<int, int>>{{0, 5}}));
        QCOMPARE(labelSlots(canvas, u"顧客4"_s), (QList<QPair<int, int>>{{1, 0}}));
        QCOMPARE(canvas.texts().size(), 2);
    }

    // What each item code prints for a row, by the contact choice and the switches.
    void itemTexts() {
        RecordSet rows = customers(1);
        rows.MoveFirst();
        LabelOptions o;
        const auto text = [&](int code) { return LabelPrint::ItemText(rows, code, o); };
        QStringList digits;
        for (int code = LabelItem::ZipDigit1; code <= LabelItem::ZipDigit7; ++code)
            digits << text(code).value();
        QCOMPARE(digits.join(QString()), u"１２３４５６７"_s);
        QCOMPARE(text(LabelItem::Zip).value(), u"123-4567"_s);
        QCOMPARE(text(LabelItem::Name).value(), u"顧客1"_s);
        QCOMPARE(text(LabelItem::Position).value(), u"営業部"_s);
        QCOMPARE(text(LabelItem::Charge).value(), u"鈴木 様"_s);
        o.Charge = ContactChoice::Contact2;
        QCOMPARE(text(LabelItem::Charge).value(), u"佐藤 様"_s);
        o.Charge = ContactChoice::None;
        QCOMPARE(text(LabelItem::Name).value(), u"顧客1 御中"_s);
        QVERIFY(!text(LabelItem::Position) && !text(LabelItem::Charge));
        QCOMPARE(text(LabelItem::Code).value(), u"1"_s);
        o.PrintCode = o.PrintPhone = false;
        QVERIFY(!text(LabelItem::Code) && !text(LabelItem::Phone) && !text(15));
        // A shorter code leaves the last boxes empty.
        RecordSet shortZip(QStringList{u"ZipCode"_s}, {QVariantList{u"123-45"_s}});
        shortZip.MoveFirst();
        QCOMPARE(LabelPrint::ItemText(shortZip, 5, o).value(), u"５"_s);
        QVERIFY(!LabelPrint::ItemText(shortZip, 6, o));
    }

    // キャンセル confirmed during the run: the labels drawn so far are dropped, nothing is
    // sent, and a turned page is turned back.
    void stopDiscardsTheJob() {
        LabelLayout l = sheet3x2();
        l.sheet.CharHorV = 1;
        RecordingCanvas canvas;
        int asked = 0;
        bool turned = true;
        const LabelRun run = LabelPrint::PrintLabels(canvas, l, customers(5), {}, {}, [&] {
            turned = turned && canvas.orientation() == PageOrientation::Landscape;
            return ++asked == 3;
        });
        QCOMPARE(run, LabelRun::Stopped);
        QCOMPARE(asked, 3);
        QVERIFY(turned);
        QVERIFY(canvas.discarded() && canvas.endCount() == 0);
        QCOMPARE(canvas.orientation(), int(PageOrientation::Portrait));
    }

    // Vertical writing: the page is turned while drawing, each character sits centred
    // across its band with the left adjustment, the characters follow cell by cell from
    // the start; on the printer canvas the ink is centred in the band and upright.
    void verticalTextCentredInItsBand() {
        LabelLayout l = sheet3x2(false);
        l.sheet.CharHorV = 1;
        l.positions[LabelItem::Name] = {LabelItem::Name, 40, 60, 30, 0, 0, 20};
        LabelOptions options;
        options.Left = 3;
        options.Top = 2;
        RecordingCanvas canvas;
        LabelPrint::PrintLabels(canvas, l, customers(1), {}, options);
        const QList<RecordedOp> ops = canvas.texts();
        QCOMPARE(ops.size(), 3); // 顧, 客, 1
        double x = 32;           // Top + Y1
        for (const RecordedOp& op : ops) {
            QVERIFY(op.fontName.startsWith('@'));
            QCOMPARE(op.x, x);
            QVERIFY(qAbs(op.y + op.height / 2 - 53) < 1e-9); // (43 + 63) / 2
            x += op.fontSize * 25.4 / 72;                    // one em each
        }

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterCanvas paper(printer, PrinterCanvas::Output::Keep);
        LabelPrint::PrintLabels(paper, l, customers(1), {}, options);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QImage image(1000, 1000, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        PrinterCanvas::PaintPage(p, paper.pages().first(), 254.0); // 10 px per mm
        p.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(qAbs(ink.center().y() - 530) <= 6);
        const double cell = ops.first().fontSize * 25.4 / 72 * 10;
        QVERIFY(ink.left() >= 320 && ink.right() <= 320 + 3 * cell);
    }
};

KIVORA_TEST(TestLabelPrint)
#include "tst_labelprint.moc"
