// The own company dialog: what OK stores, the rounding slips use, and what is left alone.
#include "core/Database.h"
#include "documents/SlipTotals.h"
#include "masters/KivoraCompany.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = "Kivora";
        env.state.gPriceFraction = 0;
    }
    // Every column of every stored row as text, in the table's own column order.
    QStringList stored() const {
        QStringList out;
        for (RecordSet rs = db->select("SELECT * FROM 自社情報"); !rs.Eof(); rs.MoveNext())
            for (const QString& field : rs.fields())
                out << rs.text(field);
        return out;
    }
    // Opens the dialog, lets `edit` change it and presses OK.
    void ok(const std::function<void(KivoraCompany&)>& edit) {
        KivoraCompany d(env.state);
        edit(d);
        d.BtnOK->click();
    }
};

// The ten fields, the rate, rounding, closing day and payment day lists, and the closing.
QStringList Shown(const KivoraCompany& d) {
    QStringList out;
    for (const QLineEdit* field : d.TextComp)
        out << field->text();
    for (const QComboBox* list : d.ComboComp)
        out << list->currentText();
    return out << (d.OptionComp[1]->isChecked() ? "次月" : "当月");
}

void Fill(KivoraCompany& d, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        d.TextComp[i]->setText(texts[i]);
}

} // namespace

class TestCompany : public QObject {
    Q_OBJECT

private slots:
    void okStoresEveryFieldAndShowsItAgain() {
        Fixture f;
        const QStringList texts =
            QString("有限会社テスト工房|試験 花子|910|0005|福井県福井市|２丁目|"
                    "0776-00-0000|0776-00-0001|福井銀行 111|北陸銀行 222|T7000012050002")
                .split('|');
        const QStringList choices{"8%", "四捨五入", "切り上げ", "25", "10"};
        f.ok([&](KivoraCompany& d) {
            Fill(d, texts);
            for (int i = 0; i < 5; ++i)
                d.ComboComp[i]->setCurrentText(choices[i]);
            d.OptionComp[1]->setChecked(true);
        });
        QCOMPARE(f.stored(), QStringList({texts[0], texts[1], "910-0005", texts[4], texts[5],
                                          texts[6], texts[7], texts[8], texts[9], "8", "1", "2",
                                          "25", "10", "1", texts[10], "8"}));
        // Opened again it shows the stored row; a first postal part alone is stored alone.
        f.ok([&](KivoraCompany& d) {
            QCOMPARE(Shown(d), texts + choices + QStringList{"次月"});
            d.TextComp[3]->clear();
        });
        QCOMPARE(f.stored().at(2), "910");
    }

    // A registration number that is not "T" and 13 digits with their check digit is
    // refused before anything is written; one typed in lower case is stored in capitals.
    void wrongRegistrationNumberIsRefused() {
        Fixture f;
        const QStringList before = f.stored();
        KivoraCompany d(f.env.state);
        d.show();
        d.TextComp[0]->setText("新しい名前");
        d.TextComp[10]->setText("T7000012050003");
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.lastText(), "正確に登録番号を入力して下さい｡");
        QCOMPARE(f.stored(), before);
        d.TextComp[10]->setText("t7000012050002");
        d.BtnOK->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.stored().at(15), "T7000012050002");
        QCOMPARE(f.stored().at(0), "新しい名前");
    }

    void amountRoundingReachesTheNextSlipLine() {
        Fixture f;
        // 2 x 1.25 and 2 x 1.05 half up, truncated and rounded up.
        const std::tuple<const char*, int, const char*> modes[] = {
            {"四捨五入", 1, "3 2"}, {"切り捨て", 0, "2 2"}, {"切り上げ", 2, "3 3"}};
        for (const auto& [choice, mode, amounts] : modes) {
            f.ok([choice](KivoraCompany& d) { d.ComboComp[2]->setCurrentText(choice); });
            QCOMPARE(f.stored().at(11), QString::number(mode));
            QCOMPARE(f.env.state.gPriceFraction, quint8(mode));
            QCOMPARE(SlipTotals::LineAmount("2", "1.25", f.env.state.gPriceFraction) + ' ' +
                         SlipTotals::LineAmount("2", "1.05", f.env.state.gPriceFraction),
                     amounts);
        }
    }

    // Escape leaves the row alone; a write that fails is reported and keeps the dialog open.
    void nothingIsStoredWithoutASuccessfulOK() {
        Fixture f;
        const QStringList before = f.stored();
        KivoraCompany d(f.env.state);
        d.show();
        Fill(d, QString("99|99|99||99|99|99|99|99|99").split('|'));
        for (QComboBox* list : d.ComboComp)
            list->setCurrentIndex(1);
        QTest::keyClick(d.ComboComp[4], Qt::Key_Escape);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.stored(), before);
        FailingWrites failing(*f.db, "UPDATE", "自社情報");
        KivoraCompany again(f.env.state);
        again.show();
        again.ComboComp[2]->setCurrentIndex(1);
        again.BtnOK->click();
        QVERIFY(again.isVisible());
        QVERIFY(f.env.messages.lastText().contains("変更は保存されていません"));
        QCOMPARE(f.stored(), before);
        QCOMPARE(f.env.state.gPriceFraction, quint8(0));
    }
};

KIVORA_TEST(TestCompany)
#include "tst_company.moc"
