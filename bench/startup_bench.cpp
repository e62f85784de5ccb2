// Start-up time: from process start to the main window shown, against a bare Qt main
// window started the same way. Each run is a fresh process; the two kinds alternate so
// that machine noise hits both alike, and the medians are compared.
//
//   bench_startup DATAFILE_FOLDER [RUNS]
#include "app/Startup.h"
#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "printing/QtPrinterService.h"
#include "widgets/QtMessageService.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

int childBare(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kivora"));
    window.resize(720, 560);
    window.show();
    QApplication::processEvents();
    return 0;
}

int childKivora(int argc, char* argv[], const QString& install) {
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    SettingsStore settings(install + QStringLiteral("/Norv.ini"));
    QtMessageService messages;
    QtPrinterService printers;
    AppState state;
    state.settings = &settings;
    state.messages = &messages;
    state.printers = &printers;
    Startup startup(state, install, install + QStringLiteral("/Kivora.lock"));
    std::unique_ptr<Kivora> window = startup.run();
    return window ? 0 : 1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeChild(const QString& program, const QStringList& args) {
    QElapsedTimer clock;
    clock.start();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, args);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: child %s failed\n", qPrintable(args.join(' ')));
        std::exit(1);
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && QByteArray(argv[1]) == "--bare")
        return childBare(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--kivora")
        return childKivora(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup DATAFILE_FOLDER [RUNS]\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int runs = argc >= 3 ? std::max(3, atoi(argv[2])) : 15;
    QTemporaryDir install;
    QDir().mkpath(install.path() + QStringLiteral("/DataFile"));
    for (const char* name : {"Kivora0.MDB", "Kivora1.MDB", "PostCode.mdb"}) {
        if (!QFile::copy(source + QLatin1Char('/') + QLatin1String(name),
                         install.path() + QStringLiteral("/DataFile/") + QLatin1String(name))) {
            std::fprintf(stderr, "bench_startup: cannot copy %s\n", name);
            return 1;
        }
    }
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> kivora, bare;
    timeChild(self, {QStringLiteral("--bare")}); // warm the file cache for both
    timeChild(self, {QStringLiteral("--kivora"), install.path()});
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeChild(self, {QStringLiteral("--bare")}));
        kivora.push_back(timeChild(self, {QStringLiteral("--kivora"), install.path()}));
    }
    const double k = median(kivora), b = median(bare);
    std::printf("startup_to_main_window: %.1f ms (baseline %.1f ms, ratio %.2f)\n", k, b, k / b);
    return 0;
}
