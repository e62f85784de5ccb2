// Starts the program from the build folder exactly as a user would, waits until the
// main window has painted, saves a picture of it and ends. The setup script uses it to
// show a new user the program on a machine without a display.
#include "app/Startup.h"
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "printing/QtPrinterService.h"
#include "widgets/QtMessageService.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: kivora_shot INSTALL_FOLDER OUTPUT.png\n");
        return 2;
    }
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
    Startup startup(state, args[1]);
    std::unique_ptr<Kivora> window = startup.run();
    if (!window)
        return 1;
    int status = 0;
    QTimer::singleShot(1500, [&] {
        if (!window->grab().save(args[2]))
            status = 1;
        // Leave without the quit question: nobody is there to answer it.
        window.reset();
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
