// The seal window: the chosen picture and its default size, pictures that are not taken,
// the size checks and text that is no number.
#include "core/SettingsStore.h"
#include "printing/KivoraInkan.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestEnv env{TestEnv::None};
    FakePrinterService printers{env.path(QString())};
    QString seal = env.path(u"印鑑.png"_s);

    Fixture() {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(seal, "PNG");
    }
    std::unique_ptr<KivoraInkan> open() {
        auto dialog = std::make_unique<KivoraInkan>(env.state, printers);
        dialog->show();
        return dialog;
    }
    // The stored picture, height and width.
    QString stored() {
        QStringList values;
        for (const char* key : {"Inkan", "InkanT", "InkanY"})
            values << env.settings().get(QString::fromLatin1(key), u"-"_s);
        return values.join('|');
    }
    // Types the height and width and presses 設定する.
    static void set(KivoraInkan& d, const QString& height, const QString& width) {
        d.txtTate->setText(height);
        d.txtYoko->setText(width);
        d.cmdSet->click();
    }
};

} // namespace

class TestInkan : public QObject {
    Q_OBJECT

private slots:
    // Missing files and a cancelled picker are not taken; a chosen picture is stored with
    // the size printing uses when nothing is stored (10 × 10 mm).
    void chosenPictureIsStoredWithTheDefaultSize() {
        Fixture f;
        auto d = f.open();
        for (const QString& answer : {f.env.path(u"gone.png"_s), QString(), f.seal}) {
            f.printers.openAnswer = answer;
            d->cmdFile->click();
        }
        QCOMPARE(d->LabelPath->text(), f.seal);
        QVERIFY(d->hasPicture());
        d->cmdSet->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(), f.seal + u"|1.0|1.0"_s);
    }

    // Height then width within 0-20, one place; a good height is stored before a bad
    // width; a height that is no number closes without storing or checking the width; an
    // empty width keeps the stored one.
    void sizesAreCheckedOneAfterTheOther() {
        Fixture f;
        f.env.settings().save(u"Inkan"_s, f.seal);
        auto d = f.open();
        Fixture::set(*d, u"25"_s, u"1.0"_s);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(d->txtTate->text(), u"25"_s); // kept for correction
        QCOMPARE(f.stored(), f.seal + u"|-|-"_s);
        Fixture::set(*d, u"1.25"_s, u"-0.5"_s);
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.stored(), f.seal + u"|1.3|-"_s);
        QVERIFY(d->isVisible());
        Fixture::set(*d, u"0"_s, u"２０"_s);
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(), f.seal + u"|0.0|20.0"_s);
        for (const auto& [height, width] : {std::pair{u"abc"_s, u"25"_s}, {u"2"_s, QString()}})
            Fixture::set(*f.open(), height, width);
        QCOMPARE(f.stored(), f.seal + u"|2.0|20.0"_s);
        QCOMPARE(f.env.messages.count(), 2);
    }
};

KIVORA_TEST(TestInkan)
#include "tst_inkan.moc"
