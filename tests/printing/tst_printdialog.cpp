// The print dialog as a user drives it: the layouts of the type, the copy rule of a
// layout, options kept per type, Cancel, and the preview and PDF drawn like the print.
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "printing/KivoraPrintS.h"
#include "printing/SlipPrint.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kA4 = u"納品書 A4(納品書)"_s;
const QString kTwoForms = u"納品書 2枚(納品書)"_s;

struct Fixture : PrintFixture {
    std::unique_ptr<KivoraPrintS> open(int type) {
        env.state.gDocType = static_cast<quint8>(type);
        env.state.gMode = static_cast<quint8>(type);
        env.state.gResult = 0; // the dialog must set its own
        auto dialog = std::make_unique<KivoraPrintS>(env.state, printers);
        dialog->show();
        return dialog;
    }
    QString stored(const QString& key) { return env.settings().get(key, u"<none>"_s); }

    // Delivery note D100 of `lines` lines, printed as the slip window prints it.
    KivoraPrintS::PageRenderer deliveryNote(int lines) {
        storeDeliveryNote(u"D100"_s, lines);
        const SlipPrintHeader print{2, "1", "山田商店", {}, "D100", {}, {}, {}, {}, {}, {}, {}, {}};
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

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    // The type's layouts in code order, nothing chosen; the printer set-up goes through the
    // seam; Cancel stores nothing. A layout without copies forces and stores "no copy"; one
    // with copies brings the stored choice back.
    void layoutsAndTheirCopyRule() {
        Fixture f;
        f.env.settings().save(u"S2Duplicate"_s, 1);
        auto d = f.open(2);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(d->ListPrintS->item(0)->text() + d->ListPrintS->item(1)->text(), kA4 + kTwoForms);
        QVERIFY(d->ListPrintS->count() == 2 && d->ListPrintS->selectedItems().isEmpty());
        QVERIFY(d->BtnPreview->isHidden() && d->BtnPdf->isHidden()); // no renderer given
        d->BtnPrinter->click();
        QCOMPARE(f.printers.setUpCalls, 1);
        select(*d, kTwoForms);
        QCOMPARE(chosen(d->OptionCopy) + 10 * d->FramePrintS[3]->isEnabled(), 2);
        select(*d, kA4);
        QCOMPARE(chosen(d->OptionCopy) + 10 * d->FramePrintS[3]->isEnabled(), 11);
        d->ScrollPrintS[1]->setValue(4);
        d->BtnCancel->click();
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.stored(u"S2Top"_s), u"<none>"_s);
        auto again = f.open(2);
        select(*again, kTwoForms);
        again->BtnStart->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.env.state.gHandOff + ' ' + f.stored(u"S2Duplicate"_s), u"12 2"_s);
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
        QCOMPARE(d->LabelPrintS[0]->text() + ' ' + d->LabelPrintS[1]->text(), u"-7 20"_s);
        QCOMPARE(choices(*d), u"1 2 1 1 0"_s);
        d->ScrollPrintS[0]->setValue(3);
        d->OptionFont[0]->setChecked(true);
        d->OptionCharge[0]->setChecked(true);
        d->CheckPrintS->setChecked(true);
        select(*d, u"請求書 A4(請求書)"_s);
        d->BtnStart->click();
        QString written;
        for (const char* key : {"Left", "Top", "Font", "Charge", "Duplicate", "Bank", "Company"})
            written += f.stored(u"S3"_s + QLatin1String(key)) + ' ';
        QCOMPARE(written, u"3 20 0 0 1 1 1 "_s);
        QCOMPARE(f.stored(u"S2Left"_s), u"<none>"_s);
        // Nothing stored: the company switch shows on and is stored as on, the rest 0.
        auto fresh = f.open(2);
        QCOMPARE(choices(*fresh), u"0 0 0 0 1"_s);
        select(*fresh, kA4);
        fresh->BtnStart->click();
        QCOMPARE(f.stored(u"S2Company"_s) + f.stored(u"S2Top"_s), u"10"_s);
    }

    // The preview and the PDF draw the document with the options as they stand, leave the
    // dialog open and print nothing; without a layout nothing starts or draws.
    void previewAndPdfShowTheDocument() {
        Fixture f;
        auto d = f.open(2);
        d->setRenderer(f.deliveryNote(7), u"納品書D100.pdf"_s);
        d->BtnStart->click();
        d->BtnPreview->click();
        d->BtnPdf->click();
        QCOMPARE(f.env.messages.count(), 3);
        QCOMPARE(f.printers.previewCalls, 0);
        QVERIFY(f.printers.saveSuggestions.isEmpty() && d->isVisible());
        f.env.messages.clear();

        // 7 lines at 5 a page, with the copy set: 4 pages, the last two titled (控).
        select(*d, kA4);
        d->OptionCopy[0]->setChecked(true);
        d->BtnPreview->click();
        QCOMPARE(PdfProbe::Pages(f.printers.previewPdf()), 4);
        const QString previewText = PdfProbe::Text(f.printers.previewPdf());
        QCOMPARE(previewText.count(u"納品書(控)"_s), 2);
        QCOMPARE(previewText.count(u"品物7"_s), 2);
        QCOMPARE(f.stored(u"S2Duplicate"_s), u"0"_s);

        f.printers.saveAnswer = f.env.path(u"out/保存先"_s);
        d->BtnPdf->click();
        QVERIFY(f.printers.saveSuggestions.value(0).endsWith(u"/納品書D100.pdf"_s));
        QCOMPARE(PdfProbe::Text(f.env.path(u"out/保存先.pdf"_s)), previewText);
        QVERIFY(!QFileInfo::exists(f.printers.printedPdf()) && d->isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // A cancelled picker is silent; a file that cannot be written is told; a document
        // that cannot be printed opens no preview.
        for (const QString& answer : {QString(), f.env.path(u"no/such/folder/x.pdf"_s)}) {
            f.printers.saveAnswer = answer;
            d->BtnPdf->click();
        }
        f.db->exec(u"DELETE FROM 顧客"_s);
        d->BtnPreview->click();
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.printers.previewCalls, 1);
    }
};

KIVORA_TEST(TestPrintDialog)
#include "tst_printdialog.moc"
