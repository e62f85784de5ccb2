// The print dialog as a user drives it: layouts, copy rule, frames, options kept per
// type, refusals, printer set-up, and the preview and PDF drawn like the print.
#include "support/TestMain.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "support/FakePrinterService.h"
#include "printing/KivoraPrintS.h"
#include "printing/SlipPrint.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture : PrintFixture {
    std::unique_ptr<KivoraPrintS> open(int type) {
        env.state.gDocType = static_cast<quint8>(type);
        env.state.gMode = static_cast<quint8>(type);
        env.state.gCaption = u"印刷"_s;
        env.state.gResult = 0; // the dialog must set its own
        auto dialog = std::make_unique<KivoraPrintS>(env.state, printers);
        dialog->show();
        return dialog;
    }
    QString stored(const QString& key) { return env.settings().get(key, u"<none>"_s); }

    // Delivery note D100 of `lines` lines, printed as the slip window prints it.
    KivoraPrintS::PageRenderer deliveryNote(int lines) {
        storeDeliveryNote(u"D100"_s, lines);
        SlipPrintHeader print;
        print.DocType = 2;
        print.UserCode = u"1"_s;
        print.UserName = u"山田商店"_s;
        print.Number = u"D100"_s;
        print.Totals = {u"¥2,800"_s, u"¥280"_s, u"¥3,080"_s};
        AppState& s = env.state;
        return [&s, print](Canvas& canvas, const Database& layoutDb, int code) {
            return SlipPrint::PrintSlip(canvas, *s.DbMain, layoutDb, *s.settings, *s.messages,
                                        s.gCaption, s.NumFormat, code, print);
        };
    }
};

void select(KivoraPrintS& dialog, const QString& name) {
    const QList<QListWidgetItem*> found = dialog.ListPrintS->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    dialog.ListPrintS->setCurrentItem(found.first());
}

template <std::size_t N> int chosen(const std::array<QRadioButton*, N>& options) {
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked())
            return int(i);
    return -1;
}

// The chosen font, contact, copy and bank options and the company switch.
QString choices(const KivoraPrintS& d) {
    return u"%1 %2 %3 %4 %5"_s.arg(chosen(d.OptionFont))
        .arg(chosen(d.OptionCharge))
        .arg(chosen(d.OptionCopy))
        .arg(chosen(d.OptionBank))
        .arg(int(d.CheckPrintS->isChecked()));
}

// Contact, copy and bank frames with their options usable: 1 all, 0 none, ? a mix.
QString usable(const KivoraPrintS& d) {
    QString out;
    const auto add = [&](const QGroupBox* frame, const auto& options) {
        int on = frame->isEnabled() ? 1 : 0;
        for (const QRadioButton* option : options)
            on += option->isEnabled() ? 1 : 0;
        out += on == 0                         ? QLatin1Char('0')
               : on == int(options.size()) + 1 ? QLatin1Char('1')
                                               : QLatin1Char('?');
    };
    add(d.FramePrintS[2], d.OptionCharge);
    add(d.FramePrintS[3], d.OptionCopy);
    add(d.FramePrintS[4], d.OptionBank);
    return out;
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    void listsTheLayoutsOfItsTypeInCodeOrder() {
        Fixture f;
        auto d = f.open(2);
        QCOMPARE(d->windowTitle(), u"印刷(納品書)"_s);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(d->ListPrintS->count(), 2);
        // The code, negated where the layout may print a copy set.
        QStringList listed;
        for (int i = 0; i < d->ListPrintS->count(); ++i)
            listed << d->ListPrintS->item(i)->text() + QLatin1Char(' ') +
                          d->ListPrintS->item(i)->data(Qt::UserRole).toString();
        QCOMPARE(listed, (QStringList{"納品書 A4(納品書) -11", "納品書 2枚(納品書) 12"}));
        QVERIFY(d->ListPrintS->selectedItems().isEmpty());
        // No renderer given: nothing to preview.
        QVERIFY(d->BtnPreview->isHidden() && d->BtnPdf->isHidden());

        // The printer set-up goes through the seam and leaves the dialog open.
        d->BtnPrinter->click();
        QCOMPARE(f.printers.setUpCalls, 1);
        QCOMPARE(f.printers.lastTitle, u"プリンタ設定"_s);
        QVERIFY(d->isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        d->close();

        // The titles of the other kinds of document name them, not the resource next door.
        for (const auto& [type, title] :
             {std::pair{0, "印刷(見積書)"}, std::pair{4, "印刷(明細請求書)"},
              std::pair{6, "印刷(領収証)"}})
            QCOMPARE(f.open(type)->windowTitle(), QString::fromUtf8(title));
    }

    // Without copies "no copy" is forced and stored; with copies the stored choice returns.
    void copyRuleOfTheLayout() {
        Fixture f;
        f.env.settings().save(u"S2Duplicate"_s, 1);
        auto d = f.open(2);
        QCOMPARE(chosen(d->OptionCopy), 1);
        QCOMPARE(usable(*d), u"111"_s);
        select(*d, u"納品書 2枚(納品書)"_s);
        QCOMPARE(chosen(d->OptionCopy), 2);
        QCOMPARE(usable(*d), u"101"_s);
        select(*d, u"納品書 A4(納品書)"_s);
        QCOMPARE(chosen(d->OptionCopy), 1);
        QCOMPARE(usable(*d), u"111"_s);

        select(*d, u"納品書 2枚(納品書)"_s);
        d->BtnStart->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.env.state.gHandOff, u"12"_s);
        QCOMPARE(f.stored(u"S2Duplicate"_s), u"2"_s);
        QVERIFY(!d->isVisible());
        QCOMPARE(f.env.messages.count(), 0);

        auto again = f.open(2);
        select(*again, u"納品書 A4(納品書)"_s);
        again->OptionCopy[0]->setChecked(true);
        again->BtnStart->click();
        QCOMPARE(f.env.state.gHandOff, u"11"_s);
        QCOMPARE(f.stored(u"S2Duplicate"_s), u"0"_s);
    }

    // Estimates have no contact or bank, receipts no bank; their choices are kept.
    void framesATypeCannotUseAreOffButStillStored() {
        Fixture f;
        f.env.settings().save(u"S0Charge"_s, 1);
        f.env.settings().save(u"S0Bank"_s, 1);
        auto estimate = f.open(0);
        QCOMPARE(usable(*estimate), u"010"_s);
        QCOMPARE(choices(*estimate), u"0 1 0 1 1"_s);
        select(*estimate, u"見積書 A4(見積書)"_s);
        estimate->BtnStart->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.stored(u"S0Charge"_s), u"1"_s);
        QCOMPARE(f.stored(u"S0Bank"_s), u"1"_s);
        QCOMPARE(usable(*f.open(6)), u"110"_s);
        QCOMPARE(usable(*f.open(2)), u"111"_s);
    }

    void optionsAreRestoredAndWrittenPerType() {
        Fixture f;
        SettingsStore& s = f.env.settings();
        const std::pair<const char*, int> saved[] = {
            {"S3Left", -7},   {"S3Top", 25}, // beyond the scroll bar: kept at 20
            {"S3Font", 1},    {"S3Charge", 2}, {"S3Duplicate", 1}, {"S3Bank", 1},
            {"S3Company", 0}, {"S2Charge", 7}}; // outside the choices: the first is chosen
        for (const auto& [key, value] : saved)
            s.save(QString::fromLatin1(key), value);
        auto d = f.open(3);
        QCOMPARE(d->ScrollPrintS[0]->minimum(), -20);
        QCOMPARE(d->ScrollPrintS[0]->maximum(), 20);
        QCOMPARE(d->ScrollPrintS[0]->value(), -7);
        QCOMPARE(d->ScrollPrintS[1]->value(), 20);
        QCOMPARE(d->LabelPrintS[0]->text() + QLatin1Char(' ') + d->LabelPrintS[1]->text(),
                 u"-7 20"_s);
        QCOMPARE(choices(*d), u"1 2 1 1 0"_s);

        // The scroll bar's value shows beside it as it moves.
        d->ScrollPrintS[0]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(d->LabelPrintS[0]->text(), u"-6"_s);
        d->ScrollPrintS[0]->setValue(3);
        QCOMPARE(d->LabelPrintS[0]->text(), u"3"_s);
        d->OptionFont[0]->setChecked(true);
        d->OptionCharge[0]->setChecked(true);
        d->CheckPrintS->setChecked(true);
        select(*d, u"請求書 A4(請求書)"_s);
        d->BtnStart->click();
        QStringList written;
        for (const char* key : {"Left", "Top", "Font", "Charge", "Duplicate", "Bank", "Company"})
            written << f.stored(u"S3"_s + QLatin1String(key));
        QCOMPARE(written, (QStringList{"3", "20", "0", "0", "1", "1", "1"}));
        QCOMPARE(f.stored(u"S2Left"_s), u"<none>"_s);

        // Nothing stored: the company switch shows on and is stored as on, the rest 0.
        auto fresh = f.open(2);
        QCOMPARE(choices(*fresh), u"0 0 0 0 1"_s);
        QCOMPARE(fresh->LabelPrintS[1]->text(), u"0"_s);
        select(*fresh, u"納品書 A4(納品書)"_s);
        fresh->BtnStart->click();
        QCOMPARE(f.stored(u"S2Company"_s), u"1"_s);
        QCOMPARE(f.stored(u"S2Top"_s), u"0"_s);
    }

    void cancelAndEscapeLeaveEverything() {
        Fixture f;
        auto d = f.open(2);
        select(*d, u"納品書 A4(納品書)"_s);
        d->ScrollPrintS[1]->setValue(4);
        d->BtnCancel->click();
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(u"S2Top"_s), u"<none>"_s);

        auto again = f.open(2);
        select(*again, u"納品書 A4(納品書)"_s);
        QTest::keyClick(again.get(), Qt::Key_Escape);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(!again->isVisible());
    }

    void missingLayoutDatabaseIsToldAndLeavesTheListEmpty() {
        TestEnv env(TestEnv::MainDb);
        FakePrinterService printers(env.path(QString()));
        env.state.gDocType = 2;
        env.state.gMode = 2;
        env.state.gCaption = u"印刷"_s;
        KivoraPrintS d(env.state, printers);
        QCOMPARE(env.messages.count(), 1);
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QCOMPARE(d.ListPrintS->count(), 0);
        d.BtnStart->click();
        QCOMPARE(env.messages.lastText(), u"用紙を選択してください｡"_s);
        QCOMPARE(env.state.gResult, qint16(-1));
    }

    void previewAndPdfShowTheDocument() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.deliveryNote(7), u"納品書D100.pdf"_s);
        QVERIFY(!d->BtnPreview->isHidden() && !d->BtnPdf->isHidden());

        // Without a layout nothing starts or draws; the options are stored first.
        d->ScrollPrintS[0]->setValue(5);
        d->BtnStart->click();
        const MessageRequest shown = f.env.messages.shown().first();
        QCOMPARE(shown.title, u"印刷(納品書)"_s);
        QCOMPARE(shown.icon, MsgIcon::Exclamation);
        QVERIFY(!shown.withCancel && d->isVisible());
        QCOMPARE(f.stored(u"S2Left"_s), u"5"_s);
        d->BtnPreview->click();
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.texts(), QStringList(3, u"用紙を選択してください｡"_s));
        QCOMPARE(f.printers.previewCalls, 0);
        QVERIFY(f.printers.saveSuggestions.isEmpty());
        f.env.messages.clear();

        // 7 lines at 5 a page, with the copy set: 4 pages, the last two titled (控).
        select(*d, u"納品書 A4(納品書)"_s);
        d->OptionCopy[0]->setChecked(true);
        d->BtnPreview->click();
        QCOMPARE(f.printers.previewCalls, 1);
        QCOMPARE(PdfProbe::Pages(f.printers.previewPdf()), 4);
        const QString previewText = PdfProbe::Text(f.printers.previewPdf());
        QCOMPARE(previewText.count(u"納品書(控)"_s), 2);
        QVERIFY(previewText.contains(u"品物7"_s));
        // The choices it drew with are the stored ones.
        QCOMPARE(f.stored(u"S2Duplicate"_s), u"0"_s);

        f.printers.saveAnswer = f.env.path(u"out/保存先"_s);
        d->BtnPdf->click();
        QCOMPARE(f.printers.saveSuggestions.size(), 1);
        QVERIFY(f.printers.saveSuggestions.first().endsWith(u"/納品書D100.pdf"_s));
        const QString pdf = f.env.path(u"out/保存先.pdf"_s);
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
        QVERIFY(!PdfProbe::Text(pdf).contains(u"(控)"_s));
    }

    // A cancelled picker is silent; a refused file is told; an unprintable document too.
    void pdfAndPreviewRefusals() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.deliveryNote(2), u"納品書D100.pdf"_s);
        select(*d, u"納品書 A4(納品書)"_s);
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(QDir(f.env.path(u"out"_s)).entryList(QDir::Files).isEmpty());

        f.printers.saveAnswer = f.env.path(u"no/such/folder/x.pdf"_s);
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.lastText(), u"PDFファイルを保存できませんでした｡"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);

        f.env.messages.clear();
        f.db->exec(u"DELETE FROM 顧客"_s);
        d->BtnPreview->click();
        QCOMPARE(f.env.messages.texts(), QStringList{u"顧客が見つかりませんでした｡"_s});
        QCOMPARE(f.printers.previewCalls, 0);
    }
};

KIVORA_TEST(TestPrintDialog)
#include "tst_printdialog.moc"
