// 印刷 in the slip window: the checks before the dialog, printing the chosen layout, the
// preview, and a print run with and without a printer. The window prints only through the
// test's printer seam, so no job ever reaches a print system of the machine.
#include "documents/DocumentStore.h"
#include "documents/KivoraSlip.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrintQueue.h"
#include "resources/StringTable.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// The delivery note window of customer 1 with the fake printer.
struct Fixture : PrintFixture {
    std::unique_ptr<KivoraSlip> window;

    Fixture() {
        env.state.gDocType = 2;
        env.state.gCaption = Res::text(103);
        window = std::make_unique<KivoraSlip>(env.state);
        window->show();
    }
    ~Fixture() { window->close(); }

    // Runs 印刷; in the dialog chooses the A4 layout and copy option `copy`, then `inDialog`
    // acts. Answers whether the dialog opened.
    bool print(int copy, const std::function<void(KivoraPrintS&)>& inDialog) {
        bool opened = false;
        OnNextModal(
            [&](QWidget* modal) {
                opened = true;
                auto* dialog = qobject_cast<KivoraPrintS*>(modal);
                dialog->ListPrintS->setCurrentRow(0);
                dialog->OptionCopy[copy]->setChecked(true);
                inDialog(*dialog);
            },
            400);
        window->MenuSlip[4]->trigger();
        if (!opened)
            QTest::qWait(450); // let the watcher give up before the next test
        return opened;
    }
    static void start(KivoraPrintS& dialog) { dialog.BtnStart->click(); }
};

} // namespace

class TestSlipPrintCommand : public QObject {
    Q_OBJECT

private slots:
    // Each is told once and opens no dialog: no number, a number never saved, one saved as
    // an invoice only, a forbidden character.
    void unnamedOrUnsavedDocumentIsRefused() {
        for (const QString& number : {QString(), u"D9"_s, u"B1"_s, u"D#1"_s}) {
            Fixture f;
            DocumentStore(*f.db).Save(
                {"1", 3, "B1", 20240101, false, {}, {}, {}, {}, {}, {}, {}, {}}, {}, 0);
            f.window->TextSlip[0]->setText(number);
            QVERIFY(!f.print(0, Fixture::start));
            QCOMPARE(f.env.messages.count(), 1);
            QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
        }
    }

    // Cancel prints nothing; 開始 prints the chosen layout with the header as shown, and
    // the preview shows the pages 開始 prints.
    void savedDocumentPrintsTheChosenLayout() {
        Fixture f;
        f.storeDeliveryNote(u"D001"_s, 7);
        f.window->TextSlip[0]->setText(u"D001"_s);
        f.window->TextSlip[2]->setText(u"至急便"_s);
        QVERIFY(f.print(0, [](KivoraPrintS& dialog) { dialog.BtnCancel->click(); }));
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
        QVERIFY(f.print(0, [&](KivoraPrintS& dialog) {
            dialog.BtnPreview->click();
            dialog.BtnStart->click();
        }));
        QCOMPARE(f.env.messages.count(), 0);
        // 7 lines at 5 a page, with the copy set.
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 4);
        const QString text = PdfProbe::Text(f.printers.printedPdf());
        QCOMPARE(PdfProbe::Text(f.printers.previewPdf()), text);
        QCOMPARE(text.count(u"納品書(控)"_s), 2);
        QCOMPARE(text.count(u"至急便"_s), 4);
        QCOMPARE(text.count(u"品物7"_s), 2);
        QVERIFY(text.contains(u"D001"_s) && text.contains(u"山田商店 様"_s));
    }

    // With a printer the run prints; without a print system (the printer falls back to a
    // PDF writer without a file), with a queue that takes no jobs or a job the print system
    // refuses, the user is told why; once the queue takes jobs again, printing works.
    void printerThereOrNot() {
        enum Case { Printer, NoPrintSystem, QueueRefuses, JobRefused };
        for (const Case c : {Printer, NoPrintSystem, QueueRefuses, JobRefused}) {
            Fixture f;
            f.storeDeliveryNote(u"D003"_s, 2);
            f.window->TextSlip[0]->setText(u"D003"_s);
            if (c == NoPrintSystem)
                f.printers.printer().setOutputFileName(QString());
            f.printers.queueAnswer = c == QueueRefuses ? u"停止中"_s : QString();
            f.printers.jobAnswer = c == JobRefused ? u"拒否"_s : QString();
            QVERIFY(f.print(2, Fixture::start));
            QCOMPARE(f.env.messages.count(), c == Printer ? 0 : 1);
            // A refusing queue is asked before anything is sent.
            QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()),
                     c == Printer || c == JobRefused ? 1 : -1);
            if (c == QueueRefuses || c == JobRefused) {
                QCOMPARE(f.env.messages.lastText(),
                         u"印刷を開始できませんでした｡\n"_s +
                             (c == QueueRefuses ? u"停止中"_s : u"拒否"_s));
                QFile::remove(f.printers.printedPdf());
                f.printers.queueAnswer.clear();
                f.printers.jobAnswer.clear();
                QVERIFY(f.print(2, Fixture::start));
                QCOMPARE(f.env.messages.count(), 1);
                QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 1);
            }
        }
    }

    // The program's own check of a queue, on a machine whose print system cannot be
    // reached (the tests point it at a socket that does not exist).
    void unreachablePrintSystemIsNamed() {
        QCOMPARE(PrintQueue::Problem(u"KivoraNone"_s), u"印刷システムに接続できません｡"_s);
    }
};

KIVORA_TEST(TestSlipPrintCommand)
#include "tst_slipprintcommand.moc"
