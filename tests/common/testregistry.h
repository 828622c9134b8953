#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes of one subsystem executable register here; the shared main
// creates and runs each in turn.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory> &registeredTests();

struct TestRegistration
{
    explicit TestRegistration(TestFactory factory) { registeredTests().push_back(std::move(factory)); }
};

#define VELTRA_TEST(TestClass)                                                                                         \
    static const TestRegistration TestClass##Registration{[] { return std::make_unique<TestClass>(); }};
