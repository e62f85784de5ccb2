#pragma once
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "support/FakeMessageService.h"

#include <QTemporaryDir>
#include <memory>

class Database;

// A private installation for one test: its own folder with DataFile, its own settings
// file, runtime folder and message script, and an AppState wired to them.
class TestEnv {
public:
    enum Files { None = 0, MainDb = 1, LayoutDb = 2, PostDb = 4, AllFiles = 7 };
    explicit TestEnv(int files = AllFiles);

    QString installFolder() const { return m_dir.path() + QStringLiteral("/inst"); }
    QString dataFolder() const { return installFolder() + QStringLiteral("/DataFile/"); }
    QString path(const QString& relative) const {
        return m_dir.path() + QLatin1Char('/') + relative;
    }
    QString lockFile() const { return path(QStringLiteral("Kivora.lock")); }

    // Creates the named data files (from the delivered scripts and the test directory).
    void createFiles(int files);
    // Opens the main database of this installation (exclusively, as the program does).
    std::unique_ptr<Database> openMain() const;

    static QString sourceFile(const QString& relative);

    SettingsStore& settings() { return *m_settings; }
    FakeMessageService messages;
    AppState state;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
};
