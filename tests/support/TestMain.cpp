#include "support/TestMain.h"

#include <QApplication>
#include <cctype>
#include <cstdio>
#include <map>
#include <string>

namespace {

std::map<std::string, TestRegistry::Runner>& registry() {
    static std::map<std::string, TestRegistry::Runner> runners;
    return runners;
}

std::string ctestName(std::string className) {
    if (className.rfind("Test", 0) == 0)
        className.erase(0, 4);
    for (char& c : className)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "tst_" + className;
}

} // namespace

bool TestRegistry::add(const char* className, Runner runner) {
    registry()[ctestName(className)] = std::move(runner);
    return true;
}

// kivora_tests NAME [Qt Test options]: runs one class; without a name, lists them.
int main(int argc, char** argv) {
    if (argc < 2 || registry().count(argv[1]) == 0) {
        for (const auto& entry : registry())
            std::printf("%s\n", entry.first.c_str());
        return argc < 2 ? 0 : 2;
    }
    const TestRegistry::Runner run = registry()[argv[1]];
    // Qt Test reads its own options after the program name; drop the class name.
    for (int i = 1; i + 1 < argc; ++i)
        argv[i] = argv[i + 1];
    --argc;
    argv[argc] = nullptr;
    // No test ever reaches the machine's print system, even when started by hand: the
    // print-system client is pointed at a socket that does not exist. Printing tests set up
    // the printer they need through the printer seam.
    qputenv("CUPS_SERVER", "/nonexistent/kivora-test-cups.sock");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    return run(argc, argv);
}
