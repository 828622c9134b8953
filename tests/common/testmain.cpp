#include "testregistry.h"

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTest>

#include <cstdio>
#include <cstring>
#include <vector>

std::vector<RegisteredTest> &registeredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

// Runs every registered class, or with `--class Name` that one alone; the
// remaining arguments go to Qt Test.
int main(int argc, char **argv)
{
    const char *only = nullptr;
    std::vector<char *> arguments(argv, argv + argc);
    if (argc >= 3 && std::strcmp(argv[1], "--class") == 0) {
        only = argv[2];
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    int count = int(arguments.size());
    TestApplication app(count, arguments.data());
    int failures = 0;
    int run = 0;
    for (const RegisteredTest &registered : registeredTests()) {
        if (only && std::strcmp(only, registered.name) != 0)
            continue;
        ++run;
        auto test = registered.create();
        failures += QTest::qExec(test.get(), count, arguments.data());
    }
    if (only && run == 0) {
        std::fprintf(stderr, "no test class %s\n", only);
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
