// The help guide as the build installs it beside the program: the start-up finds it, every
// window's help opens a topic the guide has, and the guide's links and pictures lead
// somewhere.
#include "app/Startup.h"
#include "core/Database.h"
#include "customers/Kivora.h"
#include "documents/KivoraReceipt.h"
#include "documents/KivoraSlip.h"
#include "documents/KivoraSlipB.h"
#include "lists/KivoraDisp.h"
#include "lists/ListQueries.h"
#include "receivables/KivoraSale.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString InstalledGuide() {
    return QStringLiteral(KIVORA_BINARY_DIR "/help/index.html");
}

QString ReadGuide() {
    QFile f(InstalledGuide());
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// The values of every `attribute`="…" in the page, in order.
QStringList Values(const QString& html, const QString& attribute) {
    QStringList out;
    const QRegularExpression re(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(attribute));
    for (const QRegularExpressionMatch& m : re.globalMatch(html))
        out << m.captured(1);
    return out;
}

void WriteFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
}

} // namespace

class TestHelpGuide : public QObject {
    Q_OBJECT

private slots:
    // The HTML guide wins over an old help file; with neither, help does nothing.
    void startupFindsTheGuide() {
        TestEnv env;
        const QString inst = env.installFolder();
        QCOMPARE(HelpFileIn(inst), QString());
        WriteFile(inst + "/Kivora.HLP");
        QCOMPARE(HelpFileIn(inst), inst + "/Kivora.HLP");
        WriteFile(inst + "/help/index.html");
        auto window = Startup(env.state, inst, env.lockFile()).run();
        QVERIFY(window);
        QCOMPARE(env.state.HelpFile, inst + "/help/index.html");
    }

    // Each window's help command opens the installed guide at the chapter of that window.
    void everyWindowOpensItsTopic() {
        TestEnv env{TestEnv::MainDb};
        std::unique_ptr<Database> db = env.openMain();
        AppState& s = env.state;
        s.DbMain = db.get();
        s.gUserCode = "1";
        db->exec("INSERT INTO 顧客 (Code, Name) VALUES ('1', '一商事')");
        s.HelpFile = InstalledGuide();
        QList<QUrl> opened;
        s.OpenUrl = [&opened](const QUrl& url) {
            opened << url;
            return true;
        };

        Kivora(s).MenuHelp[HelpMenu::Topics]->trigger();
        for (int type = 0; type <= 3; ++type) {
            s.gDocType = static_cast<quint8>(type);
            KivoraSlip(s).MenuMain[SlipMainMenu::Help]->trigger();
        }
        s.gDocType = 6;
        KivoraReceipt(s).MenuMain[ReceiptMainMenu::Help]->trigger();
        for (int type = 4; type <= 5; ++type) {
            s.gDocType = static_cast<quint8>(type);
            KivoraSlipB(s).MenuHelp->trigger();
        }
        KivoraSale(s).MenuHelp->trigger();
        s.RsWork = ListQueries(*db).Customers({}).Rows;
        s.gDocType = ListType::Customers;
        KivoraDisp(s).MenuHelp->trigger();

        QStringList topics;
        for (const QUrl& url : opened) {
            QCOMPARE(url.toLocalFile(), InstalledGuide());
            topics << url.fragment();
        }
        QCOMPARE(topics,
                 QStringList({"contents", "slip-estimate", "slip-order", "slip-delivery",
                              "slip-delivery", "receipt", "bill", "bill", "ledger", "listdisp"}));
        const QStringList ids = Values(ReadGuide(), "id");
        for (const QString& topic : topics)
            QVERIFY2(ids.contains(topic), qPrintable("no topic #" + topic + " in the guide"));
    }

    // Links inside the guide land on a topic, topics are unique, the topics people are
    // sent to by name (printing, options, labels, backup, the qualified-invoice settings)
    // are there, and every picture was made by the build.
    void guideLinksAndPicturesResolve() {
        const QString html = ReadGuide();
        QVERIFY2(!html.isEmpty(), qPrintable("no guide at " + InstalledGuide()));
        const QStringList ids = Values(html, "id");
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
        for (const char* topic :
             {"options", "listprint", "labels", "backup", "invoice", "taxclass", "reducedrate"})
            QVERIFY2(ids.contains(QLatin1String(topic)), topic);
        for (const QString& href : Values(html, "href")) {
            if (href.startsWith('#'))
                QVERIFY2(ids.contains(href.mid(1)), qPrintable("broken link " + href));
            else
                QVERIFY2(QFileInfo::exists(QFileInfo(InstalledGuide()).dir().filePath(href)),
                         qPrintable(href));
        }
        const QStringList pictures = Values(html, "src");
        QVERIFY(pictures.size() >= 5);
        for (const QString& src : pictures) {
            const QImage image(QFileInfo(InstalledGuide()).dir().filePath(src));
            // A window's picture, not an empty grab of a window that never showed.
            QVERIFY2(image.width() > 200 && image.height() > 150, qPrintable(src));
        }
    }
};

KIVORA_TEST(TestHelpGuide)
#include "tst_helpguide.moc"
