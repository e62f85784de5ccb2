// The label dialog as a user meets it: from ツール > 宛名印刷 through the customer
// selection and the list to a printed sheet, the start label, and a run stopped with
// キャンセル.
#include "core/Database.h"
#include "core/MessageService.h"
#include "customers/Kivora.h"
#include "lists/KivoraDisp.h"
#include "lists/KivoraListU.h"
#include "printing/KivoraPrintA.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTimer>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestLabelWindow : public QObject {
    Q_OBJECT
private slots:
    // A new user prints labels for the customers who take mail, starting at the fifth
    // label of a 12-label sheet: one sheet, their names and addresses, nobody else's;
    // the dialog's choices are kept for the next time.
    void labelsForMailCustomersFromTheMainWindow() {
        TestEnv env;
        FakePrinterService printers(env.path(u"out"_s));
        QDir().mkpath(env.path(u"out"_s));
        env.state.printers = &printers;
        Kivora main(env.state);
        main.Load();
        main.show();
        env.state.DbMain->exec(
            u"INSERT INTO 顧客 (Code, Name, Prefix1, ZipCode, Address1, Mail) VALUES "
            "('0001', '青木商店', '御中', '100-0001', '東京都千代田区千代田1-1', 0), "
            "('0002', '井上工業', '御中', '530-0001', '大阪府大阪市北区梅田2-2', 1), "
            "('0003', '上田食品', '御中', '460-0001', '愛知県名古屋市中区三の丸3-3', 0)"_s);

        QString shown;
        OnNextModal([&](QWidget* listWindow) {
            auto* list = qobject_cast<KivoraListU*>(listWindow);
            QVERIFY(list && list->labels());
            list->CheckListU[CustomerListCheck::Mail]->setChecked(true);
            OnNextModal([&](QWidget* display) {
                auto* disp = qobject_cast<KivoraDisp*>(display);
                QVERIFY(disp && disp->MenuWork[DispWork::Print]->isEnabled());
                OnNextModal([&](QWidget* dialog) {
                    auto* w = qobject_cast<KivoraPrintA*>(dialog);
                    QVERIFY(w);
                    shown = w->ListPrintA->item(0)->text();
                    w->ListPrintA->setCurrentRow(0);
                    QCOMPARE(int(w->OptionPosition.size()), 12);
                    w->OptionPosition[4]->click();
                    w->OptionCharge[ContactChoice::None]->click();
                    w->BtnStart->click();
                    w->BtnCancel->click();
                });
                disp->MenuWork[DispWork::Print]->trigger();
                disp->close();
            });
            list->BtnDisp->click();
            list->close();
        });
        main.MenuTool[ToolMenu::Address]->trigger();

        QCOMPARE(shown, u"A4 12面 (86.4×42.3mm)"_s);
        QCOMPARE(PdfProbe::Pages(printers.printedPdf()), 1);
        const QString text = PdfProbe::Text(printers.printedPdf());
        for (const char* expected : {"青木商店 御中", "上田食品 御中", "100-0001"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains(u"井上工業"_s));
        QCOMPARE(env.settings().get(u"ACharge"_s), u"2"_s);
        env.messages.answer(MsgOK); // the quit question
        main.close();
    }

    // キャンセル while labels are printing asks, and on OK the run stops and nothing
    // reaches the printer; meanwhile only キャンセル can be pressed. Without a sheet 開始
    // asks for one; a sheet fed whole offers no start label.
    void cancelStopsTheRun() {
        TestEnv env;
        FakePrinterService printers(env.path(u"out"_s));
        env.state.printers = &printers;
        env.state.AppTitle = u"Kivora"_s;
        QList<QVariantList> rows;
        for (int i = 0; i < 40; ++i)
            rows << QVariantList{QString::number(i), u"顧客%1"_s.arg(i)};
        env.state.RsWork = RecordSet({u"Code"_s, u"Name"_s}, rows);
        KivoraPrintA w(env.state, printers, {});

        w.BtnStart->click();
        QCOMPARE(env.messages.lastText(), u"用紙を選択してください｡"_s);

        w.ListPrintA->setCurrentRow(3); // the long envelope
        QVERIFY(!w.FramePrintA[LabelFrame::Start]->isEnabled());
        QVERIFY(!w.CheckPrintA[LabelCheck::SameCustomer]->isEnabled());
        QVERIFY(w.OptionPosition.front()->isHidden());

        w.ListPrintA->setCurrentRow(0);
        bool onlyCancel = false;
        env.messages.onShow = [&](const MessageRequest&) {
            onlyCancel = w.printing() && w.BtnCancel->isEnabled() && !w.BtnStart->isEnabled() &&
                         !w.ListPrintA->isEnabled();
        };
        QTimer::singleShot(0, w.BtnCancel, &QPushButton::click);
        w.BtnStart->click();
        QCOMPARE(env.messages.lastText(), u"印刷を中止します｡"_s);
        QVERIFY(onlyCancel);
        QVERIFY(!QFile::exists(printers.printedPdf()));
        QVERIFY(!w.printing() && w.BtnStart->isEnabled());
        QVERIFY(w.FramePrintA[LabelFrame::Start]->isEnabled());
    }

    // The envelope's preview shows its pages on the turned paper, sends nothing, and
    // leaves the printer as it was.
    void envelopePreviewOnTheTurnedPage() {
        TestEnv env;
        FakePrinterService printers(env.path(u"out"_s));
        QDir().mkpath(env.path(u"out"_s));
        env.state.printers = &printers;
        env.state.RsWork = RecordSet({u"Code"_s, u"Name"_s}, {{u"1"_s, u"青木商店"_s}});
        KivoraPrintA w(env.state, printers, {});
        w.ListPrintA->setCurrentRow(3);
        w.BtnPreview->click();
        QCOMPARE(printers.previewCalls, 1);
        QCOMPARE(printers.printer().pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(!QFile::exists(printers.printedPdf()));
        QProcess info;
        info.start(u"pdfinfo"_s, {printers.previewPdf()});
        QVERIFY(info.waitForFinished() && info.exitCode() == 0);
        const QRegularExpressionMatch size =
            QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s)
                .match(QString::fromUtf8(info.readAllStandardOutput()));
        QVERIFY(size.hasMatch());
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    }
};

KIVORA_TEST(TestLabelWindow)
#include "tst_labelwindow.moc"
