// The options window and the data maintenance: rates and preferences kept on OK and in
// force at once; backup, restore, compaction and initialisation keeping every row they
// promise to keep, refusing what they must, and leaving the database open whatever
// happens.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "customers/Kivora.h"
#include "lists/TextExport.h"
#include "masters/CompanyStore.h"
#include "options/DataMaintenance.h"
#include "options/KivoraOption.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

// File work needs the main database in a file; QSKIP must stand in the test function.
#define SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER()                                                  \
    if (TestEnv::testServer())                                                                     \
    QSKIP("the files are copied and compacted only with the main database in a file")

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    QTemporaryDir folder;
    QString picked; // what the folder picker answers; empty = cancelled

    Fixture() {
        env.state.DbMain = db.get();
        picked = folder.path();
        env.state.PickFolder = [this](const QString&) { return picked; };
    }
    // Customers, goods, a document and ledger rows, a company name.
    void seed(int customers = 3) {
        for (int i = 1; i <= customers; ++i) {
            db->exec("INSERT INTO 顧客 (Code, Name) VALUES (?, ?)",
                     {QString::number(i), QString("顧客%1").arg(i)});
            db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, Price) VALUES (?, 20010401, "
                     "2, 1000)",
                     {QString::number(i)});
        }
        db->exec("INSERT INTO 商品 (Code, Name, UnitPrice) VALUES ('A1', '鉛筆', 100)");
        db->exec("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD) VALUES ('1', 2, "
                 "'000001', 20010401)");
        db->exec("UPDATE 自社情報 SET Name = '見本商事'");
    }
    // Rows of every table of a database.
    static QMap<QString, int> counts(const Database& d) {
        QMap<QString, int> out;
        for (const QString& table : d.tableNames())
            out[table] = d.scalar(QString("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
        return out;
    }
    QMap<QString, int> counts() const { return counts(*db); }
    QString rates() const {
        QStringList out;
        RecordSet rs = db->select("SELECT Code, Excise FROM 税率 ORDER BY Code");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            out << rs.text("Code") + "=" + rs.text("Excise");
        return out.join(' ');
    }
    std::unique_ptr<KivoraOption> open(int mode = 0) {
        env.state.gMode = static_cast<quint8>(mode);
        auto window = std::make_unique<KivoraOption>(env.state);
        window->show();
        return window;
    }
    // Clicks a maintenance button, answering its questions with OK.
    void run(KivoraOption& window, int command) { window.BtnOption[command]->click(); }
    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void scrollValueAndRate() {
        QVERIFY(!TaxRate::FromScroll(9));
        QCOMPARE(*TaxRate::FromScroll(10), 0.0);
        QCOMPARE(*TaxRate::FromScroll(60), 5.0);
        QCOMPARE(*TaxRate::FromScroll(210), 20.0);
        QCOMPARE(QString::number(*TaxRate::FromScroll(73)), QString("6.3"));
        QCOMPARE(TaxRate::ToScroll(6.3), 73);
        QCOMPARE(TaxRate::ToScroll(std::nullopt), 9);

        Fixture f;
        auto w = f.open();
        // The delivered rates 10 % and 8 % are rows 1 and 2; the others unused.
        QCOMPARE(w->ScrollOption[0]->value(), 110);
        QCOMPARE(w->LabelOption[1]->text(), QString("8"));
        QCOMPARE(w->ScrollOption[2]->value(), 9);
        QVERIFY(w->LabelOption[2]->text().isEmpty());
        w->ScrollOption[2]->setValue(60);
        QCOMPARE(w->LabelOption[2]->text(), QString("5"));

        // No rate at all is refused and the window stays.
        for (QScrollBar* s : w->ScrollOption)
            s->setValue(9);
        w->BtnOK->click();
        QCOMPARE(f.env.messages.texts(), QStringList{"１つ以上の消費税を登録して下さい｡"});
        QVERIFY(w->isVisible());
        QCOMPARE(f.rates(), QString("1=10 2=8"));

        // A used row updates or adds its record, an unused one deletes it; the reduced
        // rate (8 % delivered) is kept with the company and used by the slips at once.
        QCOMPARE(w->LabelReduced->text(), QString("8"));
        w->ScrollOption[0]->setValue(73);
        w->ScrollOption[3]->setValue(210);
        w->ScrollReduced->setValue(75);
        QCOMPARE(w->LabelReduced->text(), QString("6.5"));
        w->BtnOK->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(f.rates(), QString("1=6.3 4=20"));
        QCOMPARE(CompanyStore(*f.env.state.DbMain).ReducedExcise(), 6.5);
        QCOMPARE(f.env.state.gReducedExcise, 6.5);
    }

    void preferencesTakeEffectAtOnce() {
        Fixture f;
        auto w = f.open(4);
        QCOMPARE(w->TabOption->currentIndex(), int(OptionPage::TextOutput));
        // Nothing stored: the window shows what the export does, a title line and quotes.
        QVERIFY(w->CheckOption[OptionCheck::Title]->isChecked());
        QVERIFY(w->CheckOption[OptionCheck::Quoted]->isChecked());
        QCOMPARE(w->LabelSample->text(), QString("\"100\",\"見本太郎\",\"123-4567\""));
        w->OptionOption[OptionSeparator::Tab]->setChecked(true);
        w->CheckOption[OptionCheck::Quoted]->setChecked(false);
        QCOMPARE(w->LabelSample->text(), QString("100 ･ 見本太郎 ･ 123-4567"));
        w->OptionOption[OptionSeparator::Semicolon]->setChecked(true);
        QCOMPARE(w->LabelSample->text(), QString("100 ; 見本太郎 ; 123-4567"));
        w->CheckOption[OptionCheck::Title]->setChecked(false);
        w->CheckOption[OptionCheck::Zero]->setChecked(true);
        w->CheckOption[OptionCheck::SelText]->setChecked(true);
        w->CheckOption[OptionCheck::FindItem]->setChecked(true);
        w->BtnOK->click();

        const AppState& s = f.env.state;
        QCOMPARE(s.NumFormat, QString("#,#0.##"));
        QCOMPARE(int(s.SelText), 1);
        QCOMPARE(int(s.FindItem), 1);
        const ExportFormat format = ExportFormat::fromSettings(f.env.settings());
        QVERIFY(!format.Title && !format.Quoted);
        QCOMPARE(format.Separator, int(OptionSeparator::Semicolon));
        QCOMPARE(f.env.settings().get("Zero"), QString("1"));

        // Opened again, the window shows the stored choices; Cancel keeps nothing.
        auto again = f.open();
        QCOMPARE(again->TabOption->currentIndex(), int(OptionPage::General));
        QVERIFY(!again->CheckOption[OptionCheck::Title]->isChecked());
        QVERIFY(again->OptionOption[OptionSeparator::Semicolon]->isChecked());
        again->CheckOption[OptionCheck::Zero]->setChecked(false);
        again->BtnCancel->click();
        QCOMPARE(s.NumFormat, QString("#,#0.##"));
    }

    // The server box: a connection that fails or fields that name no database change
    // nothing; going back to the file clears the setting.
    void serverSettingIsKeptOnlyForAReachableDatabase() {
        Fixture f;
        const QString before = f.env.settings().get("Server");
        auto w = f.open(3);
        const auto fill = [&](const QString& host, const QString& port, const QString& name) {
            w->TextServer[ServerField::Host]->setText(host);
            w->TextServer[ServerField::Port]->setText(port);
            w->TextServer[ServerField::Database]->setText(name);
        };
        fill(f.folder.filePath("no-server"), "5432", "kivora");
        w->BtnServer[ServerCommand::Use]->click();
        QVERIFY(f.env.messages.lastText().contains("接続できませんでした"));
        fill("localhost", "x", "kivora");
        w->BtnServer[ServerCommand::Use]->click();
        QVERIFY(f.env.messages.lastText().contains("ポート番号"));
        fill("localhost", "5432", "kivora naka");
        w->BtnServer[ServerCommand::Copy]->click();
        QVERIFY(f.env.messages.lastText().contains("空白"));
        QCOMPARE(f.env.messages.count(), 3);
        QCOMPARE(f.env.settings().get("Server"), before);
        w->BtnServer[ServerCommand::Local]->click();
        QCOMPARE(f.env.settings().get("Server"), QString());
        QVERIFY(w->LabelServer->text().contains("この端末のファイル"));
    }

    // データを移行 copies this seat's file into an empty server database, row for row,
    // leaves the file as it was and, when the user agrees, makes the server the main
    // database from the next start; a second copy into the same database is refused.
    void copyToAServerAndSwitch() {
        if (!TestEnv::testServer())
            QSKIP(TestEnv::noServerMessage());
        TestEnv env;
        auto file = std::make_unique<Database>(env.state.DbNames[0], "顧客");
        file->exec("INSERT INTO 顧客 (Code, Name) VALUES ('7', '移行商店')");
        env.state.DbMain = file.get();
        const QMap<QString, int> atCopy = Fixture::counts(*file);
        const ServerDatabase target = env.makeServerDatabase();
        env.state.gMode = 3;
        KivoraOption w(env.state);
        w.TextServer[ServerField::Host]->setText(target.host);
        w.TextServer[ServerField::Port]->setText(QString::number(target.port));
        w.TextServer[ServerField::Database]->setText(target.database);
        w.TextServer[ServerField::User]->setText(target.user);
        w.BtnServer[ServerCommand::Copy]->click();
        QVERIFY2(env.messages.texts().value(1).startsWith("移行が終了しました｡"),
                 qPrintable(env.messages.texts().join('\n')));
        QCOMPARE(env.settings().get("Server"), target.keyValues());
        QVERIFY(file->isOpen());
        QCOMPARE(Fixture::counts(*file), atCopy);
        QMap<QString, int> onServer;
        const auto copied = Fixture::counts(Database(target, "顧客"));
        for (auto it = atCopy.begin(); it != atCopy.end(); ++it)
            onServer[it.key()] = copied.value(it.key().toLower(), copied.value(it.key(), -1));
        QCOMPARE(onServer, atCopy);
        env.messages.clear();
        w.BtnServer[ServerCommand::Copy]->click();
        QCOMPARE(env.messages.count(), 2); // the question, then the refusal
    }

    // With the main database on a server the file work is refused before anything is
    // asked, and the data stays as it was.
    void serverDataIsNotCopiedOrCompacted() {
        if (!TestEnv::testServer())
            QSKIP(TestEnv::noServerMessage());
        Fixture f;
        f.seed();
        const auto before = f.counts();
        auto w = f.open(3);
        f.picked = f.folder.path();
        for (int command :
             {OptionCommand::Backup, OptionCommand::Restore, OptionCommand::Compact}) {
            f.env.messages.clear();
            f.run(*w, command);
            QCOMPARE(f.env.messages.count(), 1);
            QVERIFY(f.env.messages.lastText().contains("サーバーにあるため"));
        }
        QVERIFY(QDir(f.folder.path()).isEmpty());
        QCOMPARE(f.counts(), before);
    }

    void backupAndRestoreRefuseTheWrongFolder() {
        SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER();
        Fixture f;
        f.seed();
        const auto before = f.counts();
        auto w = f.open(3);
        // The data folder itself, however it is spelled.
        f.picked = f.env.dataFolder().toUpper().chopped(1);
        f.run(*w, OptionCommand::Backup);
        QCOMPARE(f.env.messages.texts(),
                 QStringList{"データフォルダと異なるフォルダを選択してください｡"});
        f.env.messages.clear();
        f.run(*w, OptionCommand::Restore);
        QCOMPARE(f.env.messages.texts().size(), 1);

        // A folder without backups.
        f.env.messages.clear();
        f.picked = f.folder.path();
        f.run(*w, OptionCommand::Restore);
        QCOMPARE(f.env.messages.texts(), QStringList{"リストアデータが見つかりませんでした｡"});
        // Cancelling the picker does nothing.
        f.env.messages.clear();
        f.picked.clear();
        f.run(*w, OptionCommand::Backup);
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(QDir(f.folder.path()).isEmpty());
        QVERIFY(f.db->isOpen());
        QCOMPARE(f.counts(), before);
    }

    void backupRestoredGivesBackEveryRow() {
        SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER();
        Fixture f;
        f.seed();
        const auto atBackup = f.counts();
        auto w = f.open(3);
        f.run(*w, OptionCommand::Backup);
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{"バックアップを開始します｡", "バックアップが終了しました｡"}));
        const QString copy = f.folder.filePath("Kivora0.MDB");
        QCOMPARE(QFileInfo(copy).size(), QFileInfo(f.env.state.DbNames[0]).size());
        QVERIFY(QFile::exists(f.folder.filePath("Kivora1.MDB")));
        QVERIFY(!QFile::exists(f.folder.filePath("PostCode.mdb")));
        QVERIFY(f.db->isOpen());

        // A second backup asks before overwriting; Cancel keeps the first.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        f.db->exec("DELETE FROM 顧客");
        f.db->exec("INSERT INTO 商品 (Code, Name) VALUES ('B1', '消しゴム')");
        f.run(*w, OptionCommand::Backup);
        QCOMPARE(f.env.messages.texts(),
                 QStringList{"バックアップファイルは既に存在します､上書きで保存します｡"});
        QCOMPARE(Fixture::counts(Database(copy, "顧客")), atBackup);

        f.env.messages.clear();
        f.run(*w, OptionCommand::Restore);
        QCOMPARE(f.env.messages.lastText(), QString("リストアが終了しました｡"));
        QCOMPARE(f.counts(), atBackup);
        QCOMPARE(f.db->scalar("SELECT Name FROM 顧客 WHERE Code = '2'").toString(),
                 QString("顧客2"));
        // The files as they were before the restore are kept beside them.
        const QString safety = DataMaintenance::SafetyCopyPath(f.env.state.DbNames[0]);
        QCOMPARE(Database(safety, "顧客").scalar("SELECT count(*) FROM 顧客").toInt(), 0);
    }

    void restoreUpgradesOlderAndRefusesNewer() {
        SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER();
        Fixture f;
        f.seed();
        // A backup of the first version of the program: brought up to date as at start.
        QTemporaryDir old;
        Database::createFromScript(old.filePath("Kivora0.MDB"),
                                   TestEnv::sourceFile("data/main.sql"));
        QVERIFY(QFile::copy(f.env.state.DbNames[1], old.filePath("Kivora1.MDB")));
        DataMaintenance(f.env.state).Restore(old.path());
        QCOMPARE(f.db->schemaVersion(), SchemaUpgrade::ProgramVersion());
        QCOMPARE(f.db->scalar("SELECT count(*) FROM 顧客").toInt(), 0);
        QVERIFY(f.db->tableExists("売掛繰越日"));

        // A newer program's backup is refused; the current files stay.
        f.seed();
        const auto before = f.counts();
        const QByteArray layout = Fixture::bytes(f.env.state.DbNames[1]);
        {
            Database newer(old.filePath("Kivora0.MDB"), "顧客");
            newer.setSchemaVersion(SchemaUpgrade::ProgramVersion() + 1);
        }
        f.picked = old.path();
        auto w = f.open(3);
        f.run(*w, OptionCommand::Restore);
        QVERIFY(f.env.messages.lastText().contains("新しい版"));
        QVERIFY(f.db->isOpen());
        QCOMPARE(f.counts(), before);
        QCOMPARE(Fixture::bytes(f.env.state.DbNames[1]), layout);
    }

    void compactionKeepsEveryRow() {
        SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER();
        Fixture f;
        f.seed(400);
        f.db->exec("DELETE FROM 顧客 WHERE CAST(Code AS INTEGER) > 200");
        const auto before = f.counts();
        const qint64 size = QFileInfo(f.env.state.DbNames[0]).size();
        auto w = f.open(3);
        f.run(*w, OptionCommand::Compact);
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{"最適化を行います｡", "最適化が終了しました｡"}));
        QVERIFY(f.db->isOpen());
        QCOMPARE(f.counts(), before);
        QVERIFY(QFileInfo(f.env.state.DbNames[0]).size() < size);
        QVERIFY(!QFile::exists(DataMaintenance(f.env.state).CompactionFile()));
        // Cancelled, nothing happens.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        f.run(*w, OptionCommand::Compact);
        QCOMPARE(f.env.messages.count(), 1);
    }

    void failedCompactionLeavesTheDatabase() {
        SKIP_WITH_THE_MAIN_DATABASE_ON_A_SERVER();
        Fixture f;
        f.seed();
        const auto before = f.counts();
        const QString main = f.env.state.DbNames[0];
        const QByteArray original = Fixture::bytes(main);
        auto w = f.open(3);

        // The engine cannot write its compacted copy where Temp.MDB should go.
        const QString scratch = DataMaintenance(f.env.state).CompactionFile();
        QVERIFY(QDir().mkpath(scratch + "/inside"));
        f.run(*w, OptionCommand::Compact);
        QCOMPARE(f.env.messages.lastText(),
                 QString("最適化できませんでした｡データベースは元のままです｡"));
        QVERIFY(QDir(scratch).removeRecursively());

        // A write-protected data folder.
        f.env.messages.clear();
        const QString folder = f.env.dataFolder();
        const auto permissions = QFile::permissions(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        f.run(*w, OptionCommand::Compact);
        QFile::setPermissions(folder, permissions);
        QVERIFY(f.env.messages.lastText().contains("書き込めません"));

        QVERIFY(f.db->isOpen());
        QCOMPARE(Fixture::bytes(main), original);
        QCOMPARE(f.counts(), before);
    }

    void initialisationKeepsCompanyAndShownRates() {
        Fixture f;
        f.seed();
        SettingsStore& settings = f.env.settings();
        settings.save("SlipNo2", "0/0/0/0/1/2");
        auto w = f.open(3);
        w->ScrollOption[0]->setValue(60); // shown, not stored with OK
        w->ScrollOption[1]->setValue(9);
        w->ScrollOption[5]->setValue(90);
        // Cancelled, nothing is emptied.
        f.env.messages.answer(MsgCancel);
        f.run(*w, OptionCommand::Initialise);
        QCOMPARE(f.db->scalar("SELECT count(*) FROM 顧客").toInt(), 3);

        f.env.messages.clear();
        f.run(*w, OptionCommand::Initialise);
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{"初期化を行います｡", "初期化が終了しました｡"}));
        auto after = f.counts();
        QCOMPARE(after.take("自社情報"), 1);
        QCOMPARE(after.take("税率"), 2);
        QCOMPARE(after.take("売掛繰越日"), 1);
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY2(it.value() == 0, qPrintable(it.key()));
        QCOMPARE(f.db->scalar("SELECT Name FROM 自社情報").toString(), QString("見本商事"));
        QCOMPARE(f.rates(), QString("1=5 6=8"));
        for (int type = 0; type <= 6; ++type)
            QCOMPARE(settings.get(QString("SlipNo%1").arg(type)), QString("0/0/0/0/0/0"));
        QVERIFY(w->dataReplaced());
    }

    void mainWindowReloadsItsRates() {
        TestEnv env;
        Kivora window(env.state);
        window.Load();
        QComboBox* list = window.ComboSlip[CustomerCombo::Excise];
        QCOMPARE(list->count(), 2);
        OnNextModal([](QWidget* dialog) {
            auto* options = qobject_cast<KivoraOption*>(dialog);
            QVERIFY(options);
            QCOMPARE(options->TabOption->currentIndex(), int(OptionPage::General));
            options->ScrollOption[2]->setValue(60);
            options->BtnOK->click();
        });
        window.openOptions();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(2), QString("5%"));
        QCOMPARE(list->currentText(), QString("10%"));
    }
};

KIVORA_TEST(TestOptions)
#include "tst_options.moc"
