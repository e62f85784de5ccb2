// Printing a stored delivery note on the recording canvas with the test installation's
// layouts: pages and copy sets, which lines each page prints, where the totals and page
// numbers go, the dialog's choices, the seal, the second form of a sheet, and runs that
// must stop before printing anything.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/LayoutTables.h"
#include "printing/RecordingCanvas.h"
#include "printing/SlipPrint.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QImage>
#include <QtTest>
#include <cmath>

namespace {

struct Fixture : PrintFixture {
    Database layoutDb{env.state.DbNames[1], LayoutDbMarkerTable()};
    const DocumentLayout layout = LayoutTables::ReadDocumentLayout(layoutDb, 11).value();
    RecordingCanvas canvas;
    SlipPrintHeader header{2, "1", "山田商店", {}, "D1", {}, {}, {}, {}, {}, {}, {}, {"", "", "T"}};
    double left = 0, top = 0;

    // Stores the print dialog's choices of delivery notes.
    void set(std::initializer_list<std::pair<const char*, int>> choices) {
        for (const auto& [name, value] : choices)
            env.settings().save(QStringLiteral("S2") + QString::fromUtf8(name), value);
    }
    // A new run: the previous job and messages are dropped first.
    bool print(int code = 11) {
        canvas.discardJob();
        env.messages.clear();
        return SlipPrint::PrintSlip(canvas, *db, layoutDb, env.settings(), env.messages, "納品書",
                                    "#,#0.00", code, header);
    }
    // Item `code` printed on `page` in `block` (its box tells it); "-" for none.
    QString item(int page, int code, int block = 1) const {
        const LayoutPosition p = layout.positions.value(code);
        for (const RecordedOp& op : canvas.texts(page))
            if (op.y == top + p.Y1 + 148.5 * (block - 1) && op.x >= left + p.X1 &&
                op.right() <= left + p.X2)
                return op.text;
        return QStringLiteral("-");
    }
    // The goods names on `page`, top to bottom; a name off its row is marked with "@".
    QStringList names(int page) const {
        QStringList out;
        for (const RecordedOp& op : canvas.texts(page)) {
            const double y = std::fmod(op.y - top, 148.5); // within its form
            if (op.x != left + 21 || y < 60)
                continue;
            const double row = (y - 60) / 7;
            out << (row == std::round(row) ? op.text : op.text + '@');
        }
        return out;
    }
};

// The names of stored lines `from` to `to`.
QStringList Names(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("品物%1").arg(i);
    return out;
}

} // namespace

class TestSlipPrint : public QObject {
    Q_OBJECT

private slots:
    // The copy choice, the lines of each page (5 a page), and per page the title, the page
    // number and the total.
    void pagesOfTheCopySets_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("duplicate");
        QTest::addColumn<QString>("pages");
        QTest::newRow("11 lines with the copy set")
            << 11 << 0
            << "納品書 1/3 -,納品書 2/3 -,納品書 3/3 T,納品書(控) 1/3 -,納品書(控) 2/3 -,"
               "納品書(控) 3/3 T";
        QTest::newRow("11 lines, the copy only")
            << 11 << 1 << "納品書(控) 1/3 -,納品書(控) 2/3 -,納品書(控) 3/3 T";
        QTest::newRow("no lines: a header page") << 0 << 2 << "納品書 - T";
        QTest::newRow("one full page") << 5 << 2 << "納品書 - T";
        QTest::newRow("one line more") << 6 << 2 << "納品書 1/2 -,納品書 2/2 T";
    }
    void pagesOfTheCopySets() {
        QFETCH(int, lines);
        QFETCH(int, duplicate);
        Fixture f;
        f.storeDeliveryNote("D1", lines);
        f.set({{"Duplicate", duplicate}});
        QVERIFY(f.print());
        QCOMPARE(f.canvas.endCount(), 1);
        QStringList pages;
        const int perSet = std::max(lines + 4, 5) / 5;
        for (int page = 0; page < f.canvas.pageCount(); ++page) {
            pages << f.item(page, 0) + ' ' + f.item(page, 31) + ' ' + f.item(page, 30);
            // Every page has the header and the box; each page of a set its own lines.
            QCOMPARE(f.item(page, 5) + ' ' + f.item(page, 10), "D1 山田商店 様");
            QCOMPARE(f.canvas.ops(RecordedOp::Rect, page).size(), 1);
            const int first = page % perSet * 5 + 1;
            QCOMPARE(f.names(page), Names(first, std::min(first + 4, lines)));
        }
        QTEST(pages.join(','), "pages");
        // A layout that allows no copy set prints the document alone, whatever the choice.
        QVERIFY(f.print(12));
        QCOMPARE(f.canvas.pageCount(), perSet);
    }

    void choicesOfTheDialog() {
        Fixture f;
        QImage image(40, 50, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString sealFile = f.env.path("inkan.png");
        QVERIFY(image.save(sealFile));
        f.env.settings().save("Inkan", sealFile);
        f.env.settings().save("InkanT", "1.5");
        f.env.settings().save("InkanY", "2.0");
        f.db->exec("UPDATE 自社情報 SET Name = 'キボラ'");
        // Contact 2 keeps the honorific; without the company choice no company and no seal.
        f.set({{"Duplicate", 2}, {"Charge", 1}});
        QVERIFY(f.print());
        QCOMPARE(f.item(0, 10) + '|' + f.item(0, 14), "山田商店 様|-");
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());
        // With it, and the block moved: the company, and the seal beside the name, under
        // it, in the stored size.
        f.set({{"Company", 1}, {"Left", 3}, {"Top", -4}});
        f.left = 3;
        f.top = -4;
        QVERIFY(f.print());
        QCOMPARE(f.item(0, 14), "キボラ");
        const QList<RecordedOp> seal = f.canvas.ops(RecordedOp::Picture);
        QCOMPARE(seal.size(), 1);
        QCOMPARE(QList<double>({seal[0].x, seal[0].y, seal[0].width, seal[0].height}),
                 QList<double>({3 + 120 + 40, -4 + 35, 15, 20}));
        const auto name = f.canvas.findText("キボラ");
        QVERIFY(name && name->sequence == seal[0].sequence + 1); // the name prints over it
        // A seal file gone since prints no seal and says nothing.
        QVERIFY(QFile::remove(sealFile));
        QVERIFY(f.print());
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());
        QCOMPARE(f.env.messages.count(), 0);
    }

    // Both forms of the sheet, the second 148.5 mm lower; even where the layout marks its
    // lower form as a copy ("0/-1"), a slip's only 控え is its copy set.
    void theSecondFormOfASheet() {
        Fixture f;
        f.storeDeliveryNote("D1", 2);
        QVERIFY(f.print(12));
        QCOMPARE(f.canvas.pageCount(), 1);
        QCOMPARE(f.names(0), Names(1, 2) + Names(1, 2));
        QCOMPARE(f.item(0, 0, 1) + ' ' + f.item(0, 0, 2), "納品書 納品書");
        f.layoutDb.exec("UPDATE 伝票種類 SET Layout = '0/-1' WHERE Code = 12");
        QVERIFY(f.print(12));
        QCOMPARE(f.item(0, 0, 1) + ' ' + f.item(0, 0, 2), "納品書 納品書");
    }

    // A missing layout, customer or company (when it prints) is told and nothing is drawn;
    // a job the printer refuses reports false.
    void runsThatPrintNothing() {
        Fixture f;
        f.storeDeliveryNote("D1", 3);
        f.db->exec("DELETE FROM 自社情報");
        const std::tuple<int, const char*, int> runs[] = {{99, "1", 0}, {11, "9", 0}, {11, "1", 1}};
        for (const auto& [layout, user, company] : runs) {
            f.header.UserCode = user;
            f.set({{"Company", company}});
            QVERIFY(!f.print(layout));
            QCOMPARE(f.env.messages.count(), 1);
            QVERIFY(f.canvas.operations().isEmpty());
        }
        f.set({{"Company", 0}});
        QVERIFY(f.print());
        f.canvas.setEndResult(false);
        QVERIFY(!f.print());
        QCOMPARE(f.canvas.endCount(), 2);
    }
};

KIVORA_TEST(TestSlipPrint)
#include "tst_slipprint.moc"
