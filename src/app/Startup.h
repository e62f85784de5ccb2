#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

class Kivora;
class QApplication;
struct AppState;

// The program's start: refuses a second copy, shows the title, checks the data files,
// opens the main window with its databases, loads the preferences and asks for the
// password when one is set. The object holds the single-instance lock for as long as it
// lives, so it must outlive the main window.
class Startup {
public:
    // `installFolder` holds the program and its DataFile folder; `lockFile` is the lock
    // that tells a running copy (per user).
    Startup(AppState& state, QString installFolder, QString lockFile = DefaultLockFile());

    // Runs the start-up. Returns the shown main window when the program is ready to
    // work, or nullptr when it ended (the user has been told why).
    std::unique_ptr<Kivora> run();

    static QString DefaultLockFile();

private:
    bool checkFile(const QString& path);
    bool checkWritable(const QString& path);
    // Brings the main database's schema up to this program's version (a copy of the file
    // is kept beside it first); false, after telling the user, when it cannot be used.
    bool upgradeMainDatabase();
    // Brings an older layout file up to the layouts this program delivers, keeping the
    // layouts the user changed; a failure is told and the old layouts stay in use.
    void refreshLayouts();
    bool probeDatabase(const QString& path, const QString& marker);
    bool askPassword(Kivora& window);

    AppState& m_state;
    QString m_installFolder;
    QLockFile m_lock;
};

// Loads Qt's Japanese translations for its own dialogs; without them installed, they stay
// in English.
void InstallTranslations(QApplication& app);

// The program's help file in `installFolder`, empty when there is none. The guide is a
// page of HTML in the help folder, which the desktop opens in the browser only when it
// is named .html; a Kivora.HLP beside the program is taken when the guide is missing.
QString HelpFileIn(const QString& installFolder);

// Maps the font names the layouts and dialogs use to the installed Japanese fonts.
void InstallFontSubstitutions();
