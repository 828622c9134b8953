#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes of one subsystem executable register here; the shared main
// creates and runs each in turn.
// Each class is also its own ctest entry, which runs the executable with
// `--class Name`; the build finds the classes by their VELTRA_TEST lines.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

struct RegisteredTest
{
    const char *name;
    TestFactory create;
};

std::vector<RegisteredTest> &registeredTests();

struct TestRegistration
{
    TestRegistration(const char *name, TestFactory factory) { registeredTests().push_back({name, std::move(factory)}); }
};

// At the start of a line of its own, so that the build finds it.
#define VELTRA_TEST(TestClass)                                                                                         \
    static const TestRegistration TestClass##Registration{#TestClass, [] { return std::make_unique<TestClass>(); }};
