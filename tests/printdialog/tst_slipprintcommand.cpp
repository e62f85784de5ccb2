// 印刷 in the slip window: the checks before the print dialog, the dialog's choice
// printed on the printer, the preview that shows the printed pages, and the refusals
// of a document that cannot print.
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraSlip.h"
#include "printdialog/FakePrinterService.h"
#include "printdialog/PdfProbe.h"
#include "printdialog/TestLayouts.h"
#include "printing/KivoraPrintS.h"
#include "resources/StringTable.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db;
    FakePrinterService printers{env.path(QStringLiteral("out"))};
    std::unique_ptr<KivoraSlip> window;

    Fixture() {
        QDir().mkpath(env.path(QStringLiteral("out")));
        TestLayouts::Install(env.state.DbNames[1]);
        db = env.openMain();
        AppState& s = env.state;
        s.DbMain = db.get();
        s.AppTitle = QStringLiteral("Kivora");
        s.gUserCode = QStringLiteral("1");
        s.gUserName = QStringLiteral("山田商店");
        s.gExcise = 10;
        db->exec(QStringLiteral(
            "INSERT INTO 顧客 (Code, Name, Prefix1) VALUES ('1', '山田商店', '様')"));
        s.gDocType = 2;
        s.gCaption = Res::text(103);
        window = std::make_unique<KivoraSlip>(s);
        window->Printers = &printers;
        window->show();
    }
    ~Fixture() { window->close(); }

    void storeDeliveryNote(const QString& number, int lines) {
        SlipHeader header;
        header.UserCode = QStringLiteral("1");
        header.DocType = 2;
        header.DocNumber = number;
        header.IssueYMD = 20240315;
        QList<SlipLine> rows;
        for (int i = 1; i <= lines; ++i) {
            SlipLine line;
            line.Goods = QStringLiteral("品物%1").arg(i);
            line.Quantity = 1;
            line.Price = 10.0 * i;
            rows << line;
        }
        DocumentStore(*db).Save(header, rows, 0);
    }

    // Runs 印刷 and lets `inDialog` act in the print dialog; records whether it opened.
    // `run` starts the command (the menu item when none is given).
    bool print(const std::function<void(KivoraPrintS&)>& inDialog,
               const std::function<void()>& run = {}) {
        bool opened = false;
        OnNextModal(
            [&](QWidget* modal) {
                opened = true;
                if (auto* dialog = qobject_cast<KivoraPrintS*>(modal))
                    inDialog(*dialog);
                else
                    modal->close();
            },
            400);
        if (run)
            run();
        else
            window->MenuSlip[4]->trigger();
        if (!opened)
            QTest::qWait(450); // let the watcher give up before the next test
        return opened;
    }

    static void choose(KivoraPrintS& dialog, const QString& name, int copy) {
        const QList<QListWidgetItem*> items = dialog.ListPrintS->findItems(name, Qt::MatchExactly);
        if (!items.isEmpty())
            dialog.ListPrintS->setCurrentItem(items.first());
        dialog.OptionCopy[copy]->setChecked(true);
    }
};

} // namespace

class TestSlipPrintCommand : public QObject {
    Q_OBJECT

private slots:
    void printIsOffered() {
        Fixture f;
        QVERIFY(f.window->MenuSlip[4]->isEnabled());
        QCOMPARE(f.window->MenuSlip[4]->text(), QStringLiteral("印刷(&P)"));
        QVERIFY(f.window->ImageSlipBar[1]->isEnabled());
    }

    void unnamedOrUnsavedDocumentIsRefused() {
        Fixture f;
        QVERIFY(!f.print({}));
        QCOMPARE(f.env.messages.texts(), QStringList({QStringLiteral("伝票を選択してください｡")}));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("印刷"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);

        f.env.messages.clear();
        f.window->TextSlip[0]->setText(QStringLiteral("D9"));
        QVERIFY(!f.print({}));
        QCOMPARE(f.env.messages.texts(), QStringList({QStringLiteral("伝票を保存してください｡")}));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);

        // A number saved for another type is not this document.
        f.env.messages.clear();
        SlipHeader other;
        other.UserCode = QStringLiteral("1");
        other.DocType = 3;
        other.DocNumber = QStringLiteral("D9");
        DocumentStore(*f.db).Save(other, {}, 0);
        QVERIFY(!f.print({}));
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("伝票を保存してください｡"));

        // A refused character is reported and nothing else happens.
        f.env.messages.clear();
        f.window->TextSlip[0]->setText(QStringLiteral("D#1"));
        QVERIFY(!f.print({}));
        QCOMPARE(f.env.messages.count(), 1);
        QVERIFY(f.env.messages.lastText().endsWith(QStringLiteral(" #")));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
    }

    void imageBarRunsTheSameCommand() {
        Fixture f;
        QVERIFY(!f.print({}, [&] { f.window->ImageSlipBar[1]->click(); }));
        QCOMPARE(f.env.messages.texts(), QStringList({QStringLiteral("伝票を選択してください｡")}));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("印刷"));
        QCOMPARE(f.env.state.gCaption, Res::text(103));
    }

    void savedDocumentPrintsTheChosenLayout() {
        Fixture f;
        f.storeDeliveryNote(QStringLiteral("D001"), 7);
        f.window->TextSlip[0]->setText(QStringLiteral("D001"));
        // The header prints as the window shows it, saved or not.
        f.window->TextSlip[2]->setText(QStringLiteral("至急便"));
        QString title;
        QVERIFY(f.print([&](KivoraPrintS& dialog) {
            title = dialog.windowTitle();
            Fixture::choose(dialog, QStringLiteral("納品書 A4(納品書)"), 0);
            dialog.BtnStart->click();
        }));
        QCOMPARE(title, QStringLiteral("印刷(納品書)"));
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("11"));
        QCOMPARE(f.env.state.gCaption, Res::text(103));
        // 7 lines at 5 a page, with the copy set.
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 4);
        const QString text = PdfProbe::Text(f.printers.printedPdf());
        QCOMPARE(text.count(QStringLiteral("納品書(控)")), 2);
        QCOMPARE(text.count(QStringLiteral("至急便")), 4);
        QVERIFY(text.contains(QStringLiteral("D001")));
        QVERIFY(text.contains(QStringLiteral("山田商店 様")));
        QVERIFY(text.contains(QStringLiteral("品物7")));
    }

    void previewShowsThePagesStartPrints() {
        Fixture f;
        f.storeDeliveryNote(QStringLiteral("D002"), 7);
        f.window->TextSlip[0]->setText(QStringLiteral("D002"));
        QVERIFY(f.print([&](KivoraPrintS& dialog) {
            Fixture::choose(dialog, QStringLiteral("納品書 2枚(納品書)"), 0);
            dialog.BtnPreview->click();
            dialog.BtnStart->click();
        }));
        QCOMPARE(f.printers.previewCalls, 1);
        // Two sheets of two forms each, no copy set for this layout.
        QCOMPARE(PdfProbe::Pages(f.printers.previewPdf()), 2);
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 2);
        const QString printed = PdfProbe::Text(f.printers.printedPdf());
        QCOMPARE(PdfProbe::Text(f.printers.previewPdf()), printed);
        QCOMPARE(printed.count(QStringLiteral("品物7")), 2);
        QVERIFY(!printed.contains(QStringLiteral("(控)")));
    }

    void cancelledDialogPrintsNothing() {
        Fixture f;
        f.storeDeliveryNote(QStringLiteral("D003"), 2);
        f.window->TextSlip[0]->setText(QStringLiteral("D003"));
        QVERIFY(f.print([&](KivoraPrintS& dialog) {
            Fixture::choose(dialog, QStringLiteral("納品書 A4(納品書)"), 0);
            dialog.BtnCancel->click();
        }));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void missingPrinterIsReported() {
        Fixture f;
        f.storeDeliveryNote(QStringLiteral("D004"), 2);
        f.window->TextSlip[0]->setText(QStringLiteral("D004"));
        // What QPrinter turns into when no print system runs: a PDF writer without a file.
        f.printers.printer().setOutputFileName(QString());
        QVERIFY(f.print([&](KivoraPrintS& dialog) {
            Fixture::choose(dialog, QStringLiteral("納品書 A4(納品書)"), 2);
            dialog.BtnStart->click();
        }));
        QCOMPARE(f.env.messages.texts(),
                 QStringList({QStringLiteral("プリンタが見つかりませんでした｡")}));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("印刷"));
    }
};

QTEST_MAIN(TestSlipPrintCommand)
#include "tst_slipprintcommand.moc"
