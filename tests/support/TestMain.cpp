#include "QuillTest.h"

#ifdef QUILL_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTest>
#include <cstdio>
#include <map>
#include <string>

namespace {
std::map<std::string, QuillTest::Factory> &registry() {
  static std::map<std::string, QuillTest::Factory> tests;
  return tests;
}
} // namespace

bool QuillTest::registerTest(const char *name, Factory factory) {
  registry().emplace(name, std::move(factory));
  return true;
}

// test_<subsystem> [Class [Qt Test arguments...]]: runs one class, or all of them.
int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  TestApplication app(argc, argv);
  int failures = 0;
  if (argc > 1 && argv[1][0] != '-') {
    auto it = registry().find(argv[1]);
    if (it == registry().end()) {
      std::fprintf(stderr, "no test class named %s\n", argv[1]);
      return 2;
    }
    auto test = it->second();
    argv[1] = argv[0];
    return QTest::qExec(test.get(), argc - 1, argv + 1);
  }
  for (auto &[name, factory] : registry()) {
    auto test = factory();
    failures += QTest::qExec(test.get(), argc, argv) != 0;
  }
  return failures;
}
