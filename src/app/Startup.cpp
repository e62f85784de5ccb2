#include "app/Startup.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SchemaUpgrade.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "customers/Kivora.h"
#include "options/KivoraPassword.h"
#include "options/KivoraTitle.h"
#include "options/PassFile.h"
#include "printing/LayoutRefresh.h"
#include "receivables/CarriedTotals.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <functional>
#include <optional>

namespace {

// During start-up the title window stays on top of everything and the hourglass shows;
// a message box opened then would wait unseen underneath. This seam puts both away
// before any message reaches the user.
class InFrontMessages : public MessageService {
public:
    InFrontMessages(AppState& state, std::function<void()> clearScreen)
        : m_state(state), m_inner(state.messages), m_clearScreen(std::move(clearScreen)) {
        m_state.messages = this;
    }
    ~InFrontMessages() override { m_state.messages = m_inner; }
    int show(const MessageRequest& request) override {
        m_clearScreen();
        return m_inner->show(request);
    }

private:
    AppState& m_state;
    MessageService* m_inner;
    std::function<void()> m_clearScreen;
};

} // namespace

QString Startup::DefaultLockFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/Kivora.lock");
}

Startup::Startup(AppState& state, QString installFolder, QString lockFile)
    : m_state(state), m_installFolder(std::move(installFolder)), m_lock(lockFile) {
    // Only a lock whose process is gone is stale: a crashed run never locks the user
    // out, a running one is never mistaken for stale.
    m_lock.setStaleLockTime(0);
}

bool Startup::checkFile(const QString& path) {
    if (QFileInfo(path).isFile())
        return true;
    ShowMsg(*m_state.messages, QStringLiteral("ファイルが"), Msg::NotFound, Box::Stop,
            m_state.AppTitle);
    return false;
}

bool Startup::checkWritable(const QString& path) {
    if (IsWritablePath(path))
        return true;
    // SQLite opens a write-protected file read-only without a word, and a folder it
    // cannot write keeps it from making its journal: either way nothing could be saved.
    const QFileInfo info(QDir::cleanPath(path));
    ShowText(*m_state.messages,
             QStringLiteral("%1「%2」に書き込めません(読み取り専用か、書き込みの権限がありません)｡"
                            "このままでは何も保存できないため終了します｡")
                 .arg(info.isDir() ? QStringLiteral("フォルダ") : QStringLiteral("ファイル"),
                      info.fileName()),
             Box::Stop, m_state.AppTitle);
    return false;
}

bool Startup::probeDatabase(const QString& path, const QString& marker) {
    try {
        Database probe(path, marker);
        return true;
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return false;
    }
}

bool Startup::upgradeMainDatabase() {
    const QString path = m_state.DbNames[DbSlot::Main];
    try {
        const std::unique_ptr<Database> db = OpenMainDatabase(m_state);
        // A server database has no file to copy first; its one transaction is the
        // safeguard (another seat's start waits for it).
        SchemaUpgrade::Upgrade(*db, m_state.MainServer.isEmpty()
                                        ? SchemaUpgrade::CopyPath(path, db->schemaVersion())
                                        : QString());
        return true;
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return false;
    }
}

void Startup::refreshLayouts() {
    // The layouts this program delivers reach an installation made with older ones; a
    // file that cannot take them is reported and left as it was, and printing goes on
    // with the layouts it has.
    try {
        LayoutRefresh::RefreshFile(m_state.DbNames[DbSlot::Layout]);
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages,
                 e.userMessage() + QStringLiteral("印刷にはこれまでの用紙の設定を使います｡"),
                 Box::Exclamation, m_state.AppTitle);
    }
}

std::unique_ptr<Kivora> Startup::run() {
    m_state.AppTitle = Res::text(1);
    if (!m_lock.tryLock(0)) {
        ShowMsg(*m_state.messages, QStringLiteral("既に起動しています"), Msg::SubjectOnly,
                Box::Exclamation, m_state.AppTitle);
        return nullptr;
    }
    std::optional<BusyCursor> busy(std::in_place);
    auto title = std::make_unique<KivoraTitle>();
    InFrontMessages inFront(m_state, [&] {
        title.reset();
        busy.reset();
    });
    title->show();
    QApplication::processEvents();

    m_state.settings->save(QStringLiteral("SetupFolder"),
                           QDir::toNativeSeparators(m_installFolder));
    SetFolders(m_state, m_installFolder);
    // The main database may live on a server; the layout and postal files stay here.
    m_state.MainServer = m_state.settings->get(QStringLiteral("Server")).trimmed();
    const bool mainFile = m_state.MainServer.isEmpty();
    if ((mainFile && !checkFile(m_state.DbNames[DbSlot::Main])) ||
        !checkFile(m_state.DbNames[DbSlot::Layout]) || !checkFile(m_state.PostCodePath))
        return nullptr;
    if (!checkWritable(m_state.DataFolder) ||
        (mainFile && !checkWritable(m_state.DbNames[DbSlot::Main])))
        return nullptr;
    // The layout database is opened only while printing; a damaged one is reported now
    // rather than in the middle of the first print run.
    if (!probeDatabase(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable()) ||
        !upgradeMainDatabase())
        return nullptr;
    refreshLayouts();

    auto window = std::make_unique<Kivora>(m_state);
    try {
        window->Load();
        // Once a year the ledger's kept sums move on, so that the months a shop looks at
        // list quickly; only on a start that goes ahead.
        CarriedTotals(*m_state.DbMain).KeepFor(QDate::currentDate());
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return nullptr;
    }
    window->show();
    QApplication::processEvents();

    m_state.SelText = m_state.settings->getByte(QStringLiteral("SelText"), 0);
    m_state.Zero = m_state.settings->getByte(QStringLiteral("Zero"), 0);
    m_state.FindItem = m_state.settings->getByte(QStringLiteral("FindItem"), 0);
    m_state.NumFormat = SetNumFormat(m_state.Zero);
    title.reset();

    m_state.gWork[0] = HelpFileIn(m_state.InstallFolder);
    m_state.HelpFile = m_state.gWork[0];
    busy.reset();

    if (!askPassword(*window))
        return nullptr;
    return window;
}

bool Startup::askPassword(Kivora& window) {
    QString first, second;
    PassFile(m_state.DataFolder + QStringLiteral("Kivora.CPR"), true, first, second);
    m_state.gWork[0] = first;
    if (m_state.gWork[0].isEmpty())
        return true;
    m_state.gMode = PasswordMode::Check;
    m_state.gCaption = QStringLiteral("パスワード");
    KivoraPassword dialog(m_state, &window);
    dialog.exec();
    return m_state.gResult == DialogResult::Ok;
}

QString HelpFileIn(const QString& installFolder) {
    for (const char* name : {"/help/index.html", "/Kivora.HLP"}) {
        const QString path = installFolder + QLatin1String(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho")});
    QFont::insertSubstitutions(QStringLiteral("MS Mincho"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic")});
}

void InstallTranslations(QApplication& app) {
    // Qt's own dialogs (file pickers, printer set-up, preview) speak Japanese like the
    // rest of the program, whatever the desktop's language.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
