#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QImage;

// Registry of the Qt Test classes linked into one subsystem's test program.
namespace QuillTest {
using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, Factory factory);

// Makes every warning or critical message of the running test function fail it, unless the
// function expects it with QTest::ignoreMessage(QtWarningMsg, ...). Call it first in each test
// class's init(): Qt Test forgets the rule after every test function and data row.
void failOnUnexpectedWarnings();

// Expects one diagnostic log line (QUILL_LOG_ERROR) in the running test function: the one with
// this label whose details end with detailsEnd.
void expectLogLine(const char *label, const QString &detailsEnd = {});

// Keeps a picture for a look by eye as <name>.png in $QUILL_SNAPSHOT_DIR; without it, nothing
// is written.
void keepSnapshot(const QImage &image, const QString &name);
} // namespace QuillTest

#define QUILL_TEST(Class)                                                       \
  static const bool quillTestRegistered_##Class =                               \
      QuillTest::registerTest(#Class, [] { return std::make_unique<Class>(); });
