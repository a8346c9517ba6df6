#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Registry of the Qt Test classes linked into one subsystem's test program.
namespace QuillTest {
using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, Factory factory);
}

#define QUILL_TEST(Class)                                                       \
  static const bool quillTestRegistered_##Class =                               \
      QuillTest::registerTest(#Class, [] { return std::make_unique<Class>(); });
