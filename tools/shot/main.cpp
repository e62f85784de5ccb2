// Starts the program from the build folder exactly as a user would, waits until the
// main window has painted, saves a picture of it and ends. The setup script uses it to
// show a new user the program on a machine without a display. With --guide it makes the
// help guide's pictures instead (GuideShots), on sample data of its own.
//
//   kivora_shot INSTALL_FOLDER OUTPUT.png
//   kivora_shot --guide SOURCE_DIR INSTALL_FOLDER OUTDIR
#include "GuideShots.h"

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
    const bool guide = args.size() == 5 && args[1] == QLatin1String("--guide");
    if (args.size() != 3 && !guide) {
        std::fprintf(stderr, "usage: kivora_shot INSTALL_FOLDER OUTPUT.png\n"
                             "       kivora_shot --guide SOURCE_DIR INSTALL_FOLDER OUTDIR\n");
        return 2;
    }
    InstallFontSubstitutions();
    InstallTranslations(app);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 10));
    if (guide)
        return GuideShots::MakeAll(args[2], args[3], args[4]) == 0 ? 0 : 1;
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
