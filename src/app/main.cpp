#include "app/Startup.h"
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "printing/QtPrinterService.h"
#include "widgets/QtMessageService.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFont>

int main(int argc, char* argv[]) {
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
