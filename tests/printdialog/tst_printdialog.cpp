// The print dialog as a user drives it: the layouts of the type, the copy rule of a
// layout without copies, the frames a type cannot use, the options kept per type, the
// refusal without a layout, the printer set-up, and the preview and PDF drawn with the
// same pages as the print.
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "documents/DocumentStore.h"
#include "printdialog/FakePrinterService.h"
#include "printdialog/PdfProbe.h"
#include "printdialog/TestLayouts.h"
#include "printing/KivoraPrintS.h"
#include "printing/SlipPrint.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db;
    FakePrinterService printers{env.path(QStringLiteral("out"))};

    Fixture() {
        QDir().mkpath(env.path(QStringLiteral("out")));
        TestLayouts::Install(env.state.DbNames[1]);
        db = env.openMain();
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        env.state.gUserCode = QStringLiteral("1");
        env.state.gUserName = QStringLiteral("山田商店");
        db->exec(QStringLiteral(
            "INSERT INTO 顧客 (Code, Name, Prefix1) VALUES ('1', '山田商店', '様')"));
    }

    std::unique_ptr<KivoraPrintS> open(int type) {
        env.state.gDocType = static_cast<quint8>(type);
        env.state.gMode = static_cast<quint8>(type);
        env.state.gCaption = QStringLiteral("印刷");
        env.state.gResult = 0; // the dialog must set its own
        auto dialog = std::make_unique<KivoraPrintS>(env.state, printers);
        dialog->show();
        return dialog;
    }

    QString stored(const QString& key) { return env.settings().get(key, QStringLiteral("<none>")); }

    // A stored delivery note of `lines` lines, and a renderer that prints it as the slip
    // window does.
    KivoraPrintS::PageRenderer storeDeliveryNote(int lines) {
        SlipHeader header;
        header.UserCode = QStringLiteral("1");
        header.DocType = 2;
        header.DocNumber = QStringLiteral("D100");
        header.IssueYMD = 20240315;
        QList<SlipLine> rows;
        for (int i = 1; i <= lines; ++i) {
            SlipLine line;
            line.Goods = QStringLiteral("品物%1").arg(i);
            line.Quantity = i;
            line.Price = 100.0 * i;
            rows << line;
        }
        DocumentStore(*db).Save(header, rows, 0);
        SlipPrintHeader print;
        print.DocType = 2;
        print.UserCode = QStringLiteral("1");
        print.UserName = QStringLiteral("山田商店");
        print.Number = QStringLiteral("D100");
        print.Totals = {QStringLiteral("¥2,800"), QStringLiteral("¥280"), QStringLiteral("¥3,080")};
        AppState& s = env.state;
        return [&s, print](Canvas& canvas, const Database& layoutDb, int code) {
            return SlipPrint::PrintSlip(canvas, *s.DbMain, layoutDb, *s.settings, *s.messages,
                                        s.gCaption, s.NumFormat, code, print);
        };
    }
};

int rowOf(const QListWidget* list, const QString& name) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == name)
            return i;
    }
    return -1;
}

void select(KivoraPrintS& dialog, const QString& name) {
    const int row = rowOf(dialog.ListPrintS, name);
    QVERIFY2(row >= 0, qPrintable(name));
    dialog.ListPrintS->setCurrentRow(row);
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    void listsTheLayoutsOfItsTypeInCodeOrder() {
        Fixture f;
        auto d = f.open(2);
        QCOMPARE(d->windowTitle(), QStringLiteral("印刷(納品書)"));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(d->ListPrintS->count(), 2);
        QCOMPARE(d->ListPrintS->item(0)->text(), QStringLiteral("納品書 A4(納品書)"));
        QCOMPARE(d->ListPrintS->item(1)->text(), QStringLiteral("納品書 2枚(納品書)"));
        // The code, negated where the layout may print a copy set.
        QCOMPARE(d->ListPrintS->item(0)->data(Qt::UserRole).toInt(), -11);
        QCOMPARE(d->ListPrintS->item(1)->data(Qt::UserRole).toInt(), 12);
        QVERIFY(d->ListPrintS->selectedItems().isEmpty());
        // No renderer given: nothing to preview.
        QVERIFY(d->BtnPreview->isHidden());
        QVERIFY(d->BtnPdf->isHidden());
        d->close();

        // The titles of the other kinds of document name them, not the resource next door.
        const std::pair<int, QString> titles[] = {{0, QStringLiteral("印刷(見積書)")},
                                                  {4, QStringLiteral("印刷(明細請求書)")},
                                                  {6, QStringLiteral("印刷(領収証)")}};
        for (const auto& [type, title] : titles) {
            auto other = f.open(type);
            QCOMPARE(other->windowTitle(), title);
        }
    }

    void layoutWithoutCopiesForcesNoCopyAndStoresIt() {
        Fixture f;
        f.env.settings().save(QStringLiteral("S2Duplicate"), 1);
        auto d = f.open(2);
        QVERIFY(d->OptionCopy[1]->isChecked());
        QVERIFY(d->FramePrintS[3]->isEnabled());

        select(*d, QStringLiteral("納品書 2枚(納品書)"));
        QVERIFY(d->OptionCopy[2]->isChecked());
        QVERIFY(!d->FramePrintS[3]->isEnabled());
        for (QRadioButton* option : d->OptionCopy)
            QVERIFY(!option->isEnabled());

        // A layout with copies brings the stored choice back, and lets it be changed.
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        QVERIFY(d->OptionCopy[1]->isChecked());
        QVERIFY(d->FramePrintS[3]->isEnabled());
        for (QRadioButton* option : d->OptionCopy)
            QVERIFY(option->isEnabled());

        select(*d, QStringLiteral("納品書 2枚(納品書)"));
        d->BtnStart->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("12"));
        QCOMPARE(f.stored(QStringLiteral("S2Duplicate")), QStringLiteral("2"));
        QVERIFY(!d->isVisible());
        QCOMPARE(f.env.messages.count(), 0);
    }

    void layoutWithCopiesHandsBackItsPlainCode() {
        Fixture f;
        auto d = f.open(2);
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        d->OptionCopy[0]->setChecked(true);
        d->BtnStart->click();
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("11"));
        QCOMPARE(f.stored(QStringLiteral("S2Duplicate")), QStringLiteral("0"));
    }

    void framesATypeCannotUseAreOffButStillStored() {
        Fixture f;
        f.env.settings().save(QStringLiteral("S0Charge"), 1);
        f.env.settings().save(QStringLiteral("S0Bank"), 1);
        auto estimate = f.open(0);
        QVERIFY(!estimate->FramePrintS[2]->isEnabled());
        QVERIFY(!estimate->FramePrintS[4]->isEnabled());
        for (QRadioButton* option : estimate->OptionCharge)
            QVERIFY(!option->isEnabled());
        for (QRadioButton* option : estimate->OptionBank)
            QVERIFY(!option->isEnabled());
        QVERIFY(estimate->OptionCharge[1]->isChecked());
        QVERIFY(estimate->OptionBank[1]->isChecked());
        select(*estimate, QStringLiteral("見積書 A4(見積書)"));
        estimate->BtnStart->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.stored(QStringLiteral("S0Charge")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("S0Bank")), QStringLiteral("1"));

        // A receipt prints no bank but has a contact; a delivery note has both.
        auto receipt = f.open(6);
        QVERIFY(!receipt->FramePrintS[4]->isEnabled());
        QVERIFY(!receipt->OptionBank[0]->isEnabled());
        QVERIFY(receipt->FramePrintS[2]->isEnabled());
        QVERIFY(receipt->OptionCharge[0]->isEnabled());
        auto note = f.open(2);
        QVERIFY(note->FramePrintS[2]->isEnabled() && note->FramePrintS[4]->isEnabled());
        QVERIFY(note->OptionBank[1]->isEnabled() && note->OptionCharge[2]->isEnabled());
    }

    void startWithoutLayoutAsksForOne() {
        Fixture f;
        auto d = f.open(2);
        d->ScrollPrintS[0]->setValue(5);
        d->BtnStart->click();
        QCOMPARE(f.env.messages.count(), 1);
        const MessageRequest& shown = f.env.messages.shown().first();
        QCOMPARE(shown.text, QStringLiteral("用紙を選択してください｡"));
        QCOMPARE(shown.title, QStringLiteral("印刷(納品書)"));
        QCOMPARE(shown.icon, MsgIcon::Exclamation);
        QVERIFY(!shown.withCancel);
        QVERIFY(d->isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // The options are stored before the check, as the dialog always did.
        QCOMPARE(f.stored(QStringLiteral("S2Left")), QStringLiteral("5"));
    }

    void optionsAreRestoredAndWrittenPerType() {
        Fixture f;
        SettingsStore& s = f.env.settings();
        s.save(QStringLiteral("S3Left"), -7);
        s.save(QStringLiteral("S3Top"), 25); // beyond the scroll bar: kept at 20
        s.save(QStringLiteral("S3Font"), 1);
        s.save(QStringLiteral("S3Charge"), 2);
        s.save(QStringLiteral("S3Duplicate"), 1);
        s.save(QStringLiteral("S3Bank"), 1);
        s.save(QStringLiteral("S3Company"), 0);
        auto d = f.open(3);
        QCOMPARE(d->ScrollPrintS[0]->minimum(), -20);
        QCOMPARE(d->ScrollPrintS[0]->maximum(), 20);
        QCOMPARE(d->ScrollPrintS[0]->value(), -7);
        QCOMPARE(d->LabelPrintS[0]->text(), QStringLiteral("-7"));
        QCOMPARE(d->ScrollPrintS[1]->value(), 20);
        QCOMPARE(d->LabelPrintS[1]->text(), QStringLiteral("20"));
        QVERIFY(d->OptionFont[1]->isChecked());
        QVERIFY(d->OptionCharge[2]->isChecked());
        QVERIFY(d->OptionCopy[1]->isChecked());
        QVERIFY(d->OptionBank[1]->isChecked());
        QVERIFY(!d->CheckPrintS->isChecked());
        QCOMPARE(d->CheckPrintS->text(), QStringLiteral("自社情報を印字する(&N)"));

        // The scroll bar's value shows beside it as it moves.
        d->ScrollPrintS[0]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(d->LabelPrintS[0]->text(), QStringLiteral("-6"));
        d->ScrollPrintS[0]->setValue(3);
        QCOMPARE(d->LabelPrintS[0]->text(), QStringLiteral("3"));
        d->OptionFont[0]->setChecked(true);
        d->OptionCharge[0]->setChecked(true);
        d->CheckPrintS->setChecked(true);
        select(*d, QStringLiteral("請求書 A4(請求書)"));
        d->BtnStart->click();
        QCOMPARE(f.stored(QStringLiteral("S3Left")), QStringLiteral("3"));
        QCOMPARE(f.stored(QStringLiteral("S3Top")), QStringLiteral("20"));
        QCOMPARE(f.stored(QStringLiteral("S3Font")), QStringLiteral("0"));
        QCOMPARE(f.stored(QStringLiteral("S3Charge")), QStringLiteral("0"));
        QCOMPARE(f.stored(QStringLiteral("S3Duplicate")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("S3Bank")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("S3Company")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("S2Left")), QStringLiteral("<none>"));

        // Nothing stored: the company switch shows on and is stored as on, the rest 0.
        auto fresh = f.open(2);
        QVERIFY(fresh->CheckPrintS->isChecked());
        QVERIFY(fresh->OptionFont[0]->isChecked() && fresh->OptionCopy[0]->isChecked());
        QCOMPARE(fresh->LabelPrintS[1]->text(), QStringLiteral("0"));
        select(*fresh, QStringLiteral("納品書 A4(納品書)"));
        fresh->BtnStart->click();
        QCOMPARE(f.stored(QStringLiteral("S2Company")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("S2Top")), QStringLiteral("0"));
    }

    void storedIndexOutsideTheChoicesSelectsTheFirst() {
        Fixture f;
        f.env.settings().save(QStringLiteral("S2Charge"), 7);
        auto d = f.open(2);
        QVERIFY(d->OptionCharge[0]->isChecked());
    }

    void cancelAndEscapeLeaveEverything() {
        Fixture f;
        auto d = f.open(2);
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        d->ScrollPrintS[1]->setValue(4);
        d->BtnCancel->click();
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(QStringLiteral("S2Top")), QStringLiteral("<none>"));

        auto again = f.open(2);
        select(*again, QStringLiteral("納品書 A4(納品書)"));
        QTest::keyClick(again.get(), Qt::Key_Escape);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!again->isVisible());
    }

    void missingLayoutDatabaseIsToldAndLeavesTheListEmpty() {
        TestEnv env(TestEnv::MainDb);
        FakePrinterService printers(env.path(QString()));
        env.state.gDocType = 2;
        env.state.gMode = 2;
        env.state.gCaption = QStringLiteral("印刷");
        KivoraPrintS d(env.state, printers);
        QCOMPARE(env.messages.count(), 1);
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QCOMPARE(d.ListPrintS->count(), 0);
        d.BtnStart->click();
        QCOMPARE(env.messages.lastText(), QStringLiteral("用紙を選択してください｡"));
        QCOMPARE(env.state.gResult, qint16(-1));
    }

    void printerSetUpGoesThroughTheSeam() {
        Fixture f;
        auto d = f.open(2);
        d->BtnPrinter->click();
        QCOMPARE(f.printers.setUpCalls, 1);
        QCOMPARE(f.printers.lastTitle, QStringLiteral("プリンタ設定"));
        QVERIFY(d->isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
    }

    void previewAndPdfShowTheDocument() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.storeDeliveryNote(7), QStringLiteral("納品書D100.pdf"));
        QVERIFY(!d->BtnPreview->isHidden() && !d->BtnPdf->isHidden());

        // Without a layout neither draws anything.
        d->BtnPreview->click();
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.texts(), QStringList({QStringLiteral("用紙を選択してください｡"),
                                                      QStringLiteral("用紙を選択してください｡")}));
        QCOMPARE(f.printers.previewCalls, 0);
        QVERIFY(f.printers.saveSuggestions.isEmpty());
        f.env.messages.clear();

        // 7 lines at 5 a page, with the copy set: 4 pages, the last two titled (控).
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        d->OptionCopy[0]->setChecked(true);
        d->BtnPreview->click();
        QCOMPARE(f.printers.previewCalls, 1);
        QCOMPARE(PdfProbe::Pages(f.printers.previewPdf()), 4);
        const QString previewText = PdfProbe::Text(f.printers.previewPdf());
        QCOMPARE(previewText.count(QStringLiteral("納品書(控)")), 2);
        QVERIFY(previewText.contains(QStringLiteral("品物7")));
        // The choices it drew with are the stored ones.
        QCOMPARE(f.stored(QStringLiteral("S2Duplicate")), QStringLiteral("0"));

        f.printers.saveAnswer = f.env.path(QStringLiteral("out/保存先"));
        d->BtnPdf->click();
        QCOMPARE(f.printers.saveSuggestions.size(), 1);
        QVERIFY(f.printers.saveSuggestions.first().endsWith(QStringLiteral("/納品書D100.pdf")));
        const QString pdf = f.env.path(QStringLiteral("out/保存先.pdf"));
        QCOMPARE(PdfProbe::Pages(pdf), 4);
        QCOMPARE(PdfProbe::Text(pdf), previewText);
        QCOMPARE(f.env.messages.count(), 0);
        // Neither prints nor ends the dialog: the user may go on to 開始.
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
        QVERIFY(d->isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));

        // Only the document itself, without the copy set.
        d->OptionCopy[2]->setChecked(true);
        d->BtnPdf->click();
        QCOMPARE(PdfProbe::Pages(pdf), 2);
        QVERIFY(!PdfProbe::Text(pdf).contains(QStringLiteral("(控)")));
    }

    void pdfPickerCancelledOrFileRefused() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.storeDeliveryNote(2), QStringLiteral("納品書D100.pdf"));
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        f.printers.saveAnswer.clear();
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(QDir(f.env.path(QStringLiteral("out"))).entryList(QDir::Files).isEmpty());

        f.printers.saveAnswer = f.env.path(QStringLiteral("no/such/folder/x.pdf"));
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("PDFファイルを保存できませんでした｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
    }

    void previewOfADocumentThatCannotPrintTellsOnce() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.storeDeliveryNote(2), QStringLiteral("x.pdf"));
        f.db->exec(QStringLiteral("DELETE FROM 顧客"));
        select(*d, QStringLiteral("納品書 A4(納品書)"));
        d->BtnPreview->click();
        QCOMPARE(f.env.messages.texts(),
                 QStringList({QStringLiteral("顧客が見つかりませんでした｡")}));
        QCOMPARE(f.printers.previewCalls, 0);
    }
};

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
