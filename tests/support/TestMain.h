#pragma once
#include <QtTest>
#include <functional>

// Every test class lives in one executable, so the build links it once. CTest starts the
// executable once per class, naming the class, so each class still gets its own process,
// folder and settings.
namespace TestRegistry {
using Runner = std::function<int(int argc, char** argv)>;
// Registers a class under its CTest name: "TestSlipWindow" runs as "tst_slipwindow".
bool add(const char* className, Runner runner);
} // namespace TestRegistry

#define KIVORA_TEST(Class)                                                                         \
    namespace {                                                                                    \
    const bool kivoraRegistered##Class = TestRegistry::add(#Class, [](int argc, char** argv) {     \
        Class test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    });                                                                                            \
    }
