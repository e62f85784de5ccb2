// A new user's first receipt, end to end: the customer is saved in the main window, 領収証
// opens for him, the amount of his saved delivery note is copied, the receipt saved,
// found again in the history, previewed and saved as a PDF that shows the amount, the
// 但し text and the company. Printing goes through the test's printer seam only.
#include "core/Database.h"
#include "customers/Kivora.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraReceipt.h"
#include "printing/KivoraPrintS.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

void chooseFirstDocument() {
    OnNextModal([](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnOK->click(); });
}

} // namespace

class TestReceiptDone : public QObject {
    Q_OBJECT

private slots:
    void firstReceiptFromADeliveryNoteToPdf() {
        TestEnv env;
        QDir().mkpath(env.path(u"out"_s));
        FakePrinterService printers(env.path(u"out"_s));
        env.state.printers = &printers;
        Kivora main(env.state);
        main.Load();
        main.show();
        main.TextSlip[CustomerField::Code]->setText(u"1"_s);
        main.TextSlip[CustomerField::Name]->setText(u"山田商店"_s);
        main.DataSave();
        env.messages.clear();
        // A delivery note of two lines; the company's 10 %, truncated, makes 2,750.
        SlipHeader note;
        note.UserCode = u"1"_s;
        note.DocType = 2;
        note.DocNumber = u"D1"_s;
        note.IssueYMD = 20240401;
        DocumentStore(*env.state.DbMain)
            .Save(note,
                  {SlipLine{{}, u"鉛筆"_s, 2, {}, 1000, 2000, {}},
                   SlipLine{{}, u"消しゴム"_s, 1, {}, 500, 500, {}}},
                  0);
        const QString pdf = env.path(u"out/receipt.pdf"_s);
        printers.saveAnswer = pdf;

        QStringList seen;
        OnNextModal([&](QWidget* modal) {
            auto* w = qobject_cast<KivoraReceipt*>(modal);
            QVERIFY(w);
            seen << w->windowTitle();
            w->TextReceipt[ReceiptField::Number]->setText(u"R0001"_s);
            w->TextReceipt[ReceiptField::For]->setText(u"お品代として"_s);
            chooseFirstDocument();
            w->MenuCopy[2]->trigger();
            w->MenuSlip[ReceiptMenu::Save]->trigger();
            w->MenuSlip[ReceiptMenu::New]->trigger();
            seen << w->TextReceipt[ReceiptField::Cash]->text();
            chooseFirstDocument();
            w->MenuSlip[ReceiptMenu::History]->trigger();
            seen << w->TextReceipt[ReceiptField::Number]->text() +
                        w->TextReceipt[ReceiptField::Cash]->text() +
                        w->TextReceipt[ReceiptField::For]->text();
            OnNextModal([&](QWidget* dialogWidget) {
                auto* dialog = qobject_cast<KivoraPrintS*>(dialogWidget);
                dialog->ListPrintS->setCurrentRow(0);
                dialog->BtnPreview->click();
                dialog->BtnPdf->click();
                dialog->Cancel();
            });
            w->ImageReceiptBar[ReceiptImage::Print]->click();
            w->ImageReceiptBar[ReceiptImage::Close]->click();
        });
        main.MenuSlip[DocumentMenu::Receipt]->trigger();

        QCOMPARE(seen,
                 QStringList({u"領収証 [山田商店]"_s, QString(), u"R00012,750お品代として"_s}));
        QCOMPARE(env.messages.texts(), QStringList{u"伝票番号[R0001]を保存します｡"_s});
        const QString text = PdfProbe::Text(pdf);
        for (const QString& expected :
             {u"¥2,750"_s, u"お品代として"_s, u"株式会社サンプル商事"_s, u"山田商店"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" in:\n"_s + text));
        QCOMPARE(PdfProbe::Text(printers.previewPdf()), text);
        env.messages.answer(MsgOK); // the quit question
        main.close();
    }
};

KIVORA_TEST(TestReceiptDone)
#include "tst_receiptdone.moc"
