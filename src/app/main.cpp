#include "app/CopyCommand.h"
#include "app/Startup.h"
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "printing/QtPrinterService.h"
#include "widgets/QtMessageService.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFont>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The copy to a server is a command of its own: it shows no window, so it runs before
    // the windowed application exists and works without a display.
    if (IsCopyCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCopyCommand(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                              out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kivora"));
    QApplication::setOrganizationName(QStringLiteral("Norv"));
    InstallFontSubstitutions();
    InstallTranslations(app);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 10));

    SettingsStore settings;
    QtMessageService messages;
    QtPrinterService printers;
    AppState state;
    state.settings = &settings;
    state.messages = &messages;
    state.printers = &printers;
    state.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    state.PickFolder = [&state](const QString& prompt) {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), prompt,
                                                 state.TextFolder);
    };

    Startup startup(state, QApplication::applicationDirPath());
    std::unique_ptr<Kivora> window = startup.run();
    if (!window)
        return 1;
    return QApplication::exec();
}
