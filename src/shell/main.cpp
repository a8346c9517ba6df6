#include "AppDelegate.h"
#include "AppVersion.h"
#include "HomeLock.h"
#include "LaunchOptions.h"
#include "PushChannel.h"
#include "QNWindow.h"
#include "ShellFolders.h"

#include "common/FolderPaths.h"
#include "editor/NotePageController.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cstdio>

namespace {
QStringList argumentList(int argc, char **argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments.append(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

int sendPush(int argc, char **argv, const LaunchOptions &options) {
  QCoreApplication app(argc, argv);
  QString error;
  if (PushChannel::send(PushChannel::serverNameForHome(options.homeFolder), options.pushPayload,
                        &error))
    return 0;
  std::fprintf(stderr, "quill: %s\n", qPrintable(error));
  return 1;
}

// Another Quill runs on this home: this start goes to it instead. A
// screenshot of a home in use would show that one's state, not a start's.
int handOverStart(int argc, char **argv, const LaunchOptions &options, const QString &reason) {
  QCoreApplication app(argc, argv);
  if (!options.screenshotPath.isEmpty()) {
    std::fprintf(stderr, "quill: %s; no screenshot taken\n", qPrintable(reason));
    return 1;
  }
  QString error;
  if (PushChannel::sendStart(PushChannel::serverNameForHome(options.homeFolder),
                             QCoreApplication::arguments().mid(1), 10000, &error))
    return 0;
  std::fprintf(stderr, "quill: %s, which did not answer: %s\n", qPrintable(reason),
               qPrintable(error));
  return 1;
}

// Writes the window once the first screen has been shown, then quits.
void takeScreenshotWhenShown(AppDelegate &delegate, const QString &path) {
  delegate.window()->resize(QNWindow::pointSize);
  QObject::connect(&delegate, &AppDelegate::firstScreenShown, &delegate, [&delegate, path] {
    const bool written = delegate.window()->snapshot().save(path, "PNG");
    if (!written)
      std::fprintf(stderr, "quill: could not write %s\n", qPrintable(path));
    QCoreApplication::exit(written ? 0 : 1);
  });
}
} // namespace

int main(int argc, char **argv) {
  QString error;
  const std::optional<LaunchOptions> options =
      LaunchOptions::parse(argumentList(argc, argv), &error);
  if (!options) {
    std::fprintf(stderr, "quill: %s\n", qPrintable(error));
    return 2;
  }
  if (!options->help.isEmpty()) {
    std::fputs(qPrintable(options->help), stdout);
    return 0;
  }
  if (!options->pushPayload.isEmpty())
    return sendPush(argc, argv, *options);
  // A screenshot needs no display.
  if (!options->screenshotPath.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  if (!prepareHomeFolder(options->homeFolder)) {
    std::fprintf(stderr, "quill: cannot use the home folder %s\n", qPrintable(options->homeFolder));
    return 1;
  }
  // Held for the whole run, before anything in the home folder is read.
  HomeLock lock(options->homeFolder);
  QString lockError;
  switch (lock.tryLock(&lockError)) {
  case HomeLock::Outcome::Taken:
    break;
  case HomeLock::Outcome::InUse:
    return handOverStart(argc, argv, *options, lockError);
  case HomeLock::Outcome::Failed:
    std::fprintf(stderr, "quill: %s\n", qPrintable(lockError));
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quill"));
  QApplication::setApplicationVersion(bundleVersionText());
  setResourceFolder(findResourceFolder(QApplication::applicationDirPath()));

  NotePageController::registerScreen();
  AppDelegate delegate;
  delegate.didFinishLaunchingWithOptions(*options);
  if (!options->screenshotPath.isEmpty())
    takeScreenshotWhenShown(delegate, options->screenshotPath);
  return app.exec();
}
