// 印刷 in the slip window: checks before the dialog, printing, preview and refusals.
#include "support/TestMain.h"
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraSlip.h"
#include "support/FakePrinterService.h"
#include "printing/KivoraPrintS.h"
#include "resources/StringTable.h"
#include "support/ModalHelper.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The delivery note window of customer 1 with the fake printer.
struct Fixture : PrintFixture {
    std::unique_ptr<KivoraSlip> window;

    Fixture() {
        env.state.gExcise = 10;
        env.state.gDocType = 2;
        env.state.gCaption = Res::text(103);
        window = std::make_unique<KivoraSlip>(env.state);
        window->show();
    }
    ~Fixture() { window->close(); }

    // Runs 印刷 (or `run`); in the dialog chooses `name` and copy option `copy`, then
    // `inDialog` acts. Answers whether the dialog opened.
    bool print(const QString& name, int copy, const std::function<void(KivoraPrintS&)>& inDialog,
               const std::function<void()>& run = {}) {
        bool opened = false;
        OnNextModal(
            [&](QWidget* modal) {
                opened = true;
                auto* dialog = qobject_cast<KivoraPrintS*>(modal);
                if (!dialog) {
                    modal->close();
                    return;
                }
                const auto items = dialog->ListPrintS->findItems(name, Qt::MatchExactly);
                if (!items.isEmpty())
                    dialog->ListPrintS->setCurrentItem(items.first());
                dialog->OptionCopy[copy]->setChecked(true);
                inDialog(*dialog);
            },
            400);
        run ? run() : window->MenuSlip[4]->trigger();
        if (!opened)
            QTest::qWait(450); // let the watcher give up before the next test
        return opened;
    }
    bool refused(const std::function<void()>& run = {}) {
        return !print(
            QString(), 0, [](KivoraPrintS& d) { d.close(); }, run);
    }
};

} // namespace

class TestSlipPrintCommand : public QObject {
    Q_OBJECT

private slots:
    // Refusals of a document without a number, unsaved for this type or with a bad character.
    void unnamedOrUnsavedDocumentIsRefused() {
        Fixture f;
        QVERIFY(f.window->MenuSlip[4]->isEnabled() && f.window->ImageSlipBar[1]->isEnabled());
        QCOMPARE(f.window->MenuSlip[4]->text(), u"印刷(&P)"_s);
        QVERIFY(f.refused([&] { f.window->ImageSlipBar[1]->click(); }));
        QCOMPARE(f.env.messages.texts(), QStringList{u"伝票を選択してください｡"_s});
        QCOMPARE(f.env.messages.shown().last().title, u"印刷"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QCOMPARE(f.env.state.gCaption, Res::text(103));

        f.env.messages.clear();
        f.window->TextSlip[0]->setText(u"D9"_s);
        QVERIFY(f.refused());
        QCOMPARE(f.env.messages.texts(), QStringList{u"伝票を保存してください｡"_s});
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);

        // A number saved for another type is not this document.
        SlipHeader other;
        other.UserCode = u"1"_s;
        other.DocType = 3;
        other.DocNumber = u"D9"_s;
        DocumentStore(*f.db).Save(other, {}, 0);
        QVERIFY(f.refused());
        QCOMPARE(f.env.messages.lastText(), u"伝票を保存してください｡"_s);

        f.env.messages.clear();
        f.window->TextSlip[0]->setText(u"D#1"_s);
        QVERIFY(f.refused());
        QCOMPARE(f.env.messages.count(), 1);
        QVERIFY(f.env.messages.lastText().endsWith(u" #"_s));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));
    }

    // Cancel prints nothing; 開始 prints the chosen layout with the header as shown.
    void savedDocumentPrintsTheChosenLayout() {
        Fixture f;
        f.storeDeliveryNote(u"D001"_s, 7);
        f.window->TextSlip[0]->setText(u"D001"_s);
        f.window->TextSlip[2]->setText(u"至急便"_s);
        const QString a4 = u"納品書 A4(納品書)"_s;
        QVERIFY(f.print(a4, 0, [](KivoraPrintS& dialog) { dialog.BtnCancel->click(); }));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()));

        QString title;
        QVERIFY(f.print(a4, 0, [&](KivoraPrintS& dialog) {
            title = dialog.windowTitle();
            dialog.BtnStart->click();
        }));
        QCOMPARE(title, u"印刷(納品書)"_s);
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.env.state.gHandOff, u"11"_s);
        QCOMPARE(f.env.state.gCaption, Res::text(103));
        // 7 lines at 5 a page, with the copy set.
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 4);
        const QString text = PdfProbe::Text(f.printers.printedPdf());
        QCOMPARE(text.count(u"納品書(控)"_s), 2);
        QCOMPARE(text.count(u"至急便"_s), 4);
        for (const char* s : {"D001", "山田商店 様", "品物7"})
            QVERIFY2(text.contains(QString::fromUtf8(s)), s);
    }

    // The preview shows what 開始 prints; without a print system the printer is missing.
    void previewShowsThePagesStartPrints() {
        Fixture f;
        f.storeDeliveryNote(u"D002"_s, 7);
        f.window->TextSlip[0]->setText(u"D002"_s);
        QVERIFY(f.print(u"納品書 2枚(納品書)"_s, 0, [&](KivoraPrintS& dialog) {
            dialog.BtnPreview->click();
            dialog.BtnStart->click();
        }));
        QCOMPARE(f.printers.previewCalls, 1);
        // Two sheets of two forms each, no copy set for this layout.
        QCOMPARE(PdfProbe::Pages(f.printers.previewPdf()), 2);
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 2);
        const QString printed = PdfProbe::Text(f.printers.printedPdf());
        QCOMPARE(PdfProbe::Text(f.printers.previewPdf()), printed);
        QCOMPARE(printed.count(u"品物7"_s), 2);
        QVERIFY(!printed.contains(u"(控)"_s));

        f.printers.printer().setOutputFileName(QString());
        QVERIFY(f.print(u"納品書 A4(納品書)"_s, 2,
                        [](KivoraPrintS& dialog) { dialog.BtnStart->click(); }));
        QCOMPARE(f.env.messages.texts(), QStringList{u"プリンタが見つかりませんでした｡"_s});
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QCOMPARE(f.env.messages.shown().last().title, u"印刷"_s);
    }
};

KIVORA_TEST(TestSlipPrintCommand)
#include "tst_slipprintcommand.moc"
