#include "QuillTest.h"

#include "common/FolderPaths.h"

#ifdef QUILL_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>
#include <string>

namespace {
std::map<std::string, QuillTest::Factory> &registry() {
  static std::map<std::string, QuillTest::Factory> tests;
  return tests;
}

// The program's temporary and runtime folders, the user's home and data folders and Quill's home
// all lie in a folder of the run's own, removed at its end: a test that names none of its own
// writes there, never into the real home, the shared temporary folder or the checkout.
void confine(const QTemporaryDir &folder) {
  const QByteArray root = QFile::encodeName(folder.path());
  for (const char *sub :
       {"tmp", "runtime", "home", "home/.local/share", "home/.config", "home/.cache"})
    QDir(folder.path()).mkpath(QString::fromLatin1(sub));
  QFile::setPermissions(folder.path() + QStringLiteral("/runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("TMPDIR", root + "/tmp");
  qputenv("XDG_RUNTIME_DIR", root + "/runtime");
  qputenv("HOME", root + "/home");
  qputenv("XDG_DATA_HOME", root + "/home/.local/share");
  qputenv("XDG_CONFIG_HOME", root + "/home/.config");
  qputenv("XDG_CACHE_HOME", root + "/home/.cache");
}

// Runs one class with a fresh Quill home (a class may set one of its own). A class without
// init() cannot call QuillTest::failOnUnexpectedWarnings() and is refused.
int run(const char *name, const QuillTest::Factory &factory, int argc, char **argv) {
  auto test = factory();
  if (test->metaObject()->indexOfSlot("init()") < 0) {
    std::fprintf(stderr, "%s: no init() slot calling QuillTest::failOnUnexpectedWarnings()\n",
                 name);
    return 1;
  }
  const QTemporaryDir home;
  setHomeFolder(home.path());
  return QTest::qExec(test.get(), argc, argv);
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
  const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/quill-test-XXXXXX"));
  if (!folder.isValid()) {
    std::fprintf(stderr, "cannot make a temporary folder: %s\n", qPrintable(folder.errorString()));
    return 2;
  }
  confine(folder);
  TestApplication app(argc, argv);
  if (argc > 1 && argv[1][0] != '-') {
    auto it = registry().find(argv[1]);
    if (it == registry().end()) {
      std::fprintf(stderr, "no test class named %s\n", argv[1]);
      return 2;
    }
    argv[1] = argv[0];
    return run(it->first.c_str(), it->second, argc - 1, argv + 1);
  }
  int failures = 0;
  for (auto &[name, factory] : registry())
    failures += run(name.c_str(), factory, argc, argv) != 0;
  return failures;
}
