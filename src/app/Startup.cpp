#include "app/Startup.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "customers/Kivora.h"
#include "options/KivoraPassword.h"
#include "options/KivoraTitle.h"
#include "options/PassFile.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>
#include <optional>

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

bool Startup::probeDatabase(const QString& path, const QString& marker) {
    try {
        Database probe(path, marker);
        return true;
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return false;
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
    title->show();
    QApplication::processEvents();

    m_state.settings->save(QStringLiteral("SetupFolder"),
                           QDir::toNativeSeparators(m_installFolder));
    SetFolders(m_state, m_installFolder);
    if (!checkFile(m_state.DbNames[DbSlot::Main]) || !checkFile(m_state.DbNames[DbSlot::Layout]) ||
        !checkFile(m_state.PostCodePath))
        return nullptr;
    // The layout database is opened only while printing; a damaged one is reported now
    // rather than in the middle of the first print run.
    if (!probeDatabase(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable()))
        return nullptr;

    auto window = std::make_unique<Kivora>(m_state);
    try {
        window->Load();
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

    m_state.gWork[0] = m_state.InstallFolder + QStringLiteral("/Kivora.HLP");
    m_state.HelpFile = QFileInfo(m_state.gWork[0]).isFile() ? m_state.gWork[0] : QString();
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
