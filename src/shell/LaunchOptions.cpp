#include "LaunchOptions.h"

#include "common/URLHelpers.h"

#include <QCommandLineParser>
#include <QStandardPaths>

namespace {
QString defaultHomeFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quill");
}
} // namespace

std::optional<LaunchOptions> LaunchOptions::parse(const QStringList &arguments, QString *error) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Quill, a handwriting notebook."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption home(QStringLiteral("home"),
                                QStringLiteral("Keep all notes and settings in <dir>."),
                                QStringLiteral("dir"), defaultHomeFolder());
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Write the first screen to <png> and quit."),
                                      QStringLiteral("png"));
  const QCommandLineOption notebook(
      QStringLiteral("notebook"),
      QStringLiteral("Open the <n>-th notebook of the shelf (1 is the first) in the editor at start."),
      QStringLiteral("n"));
  const QCommandLineOption push(
      QStringLiteral("push"),
      QStringLiteral("Hand a pushed message (JSON) to the running Quill and quit."),
      QStringLiteral("json"));
  const QCommandLineOption pushService(QStringLiteral("push-service"),
                                       QStringLiteral("Address of the push-registration service."),
                                       QStringLiteral("url"));
  const QCommandLineOption updateService(QStringLiteral("update-service"),
                                         QStringLiteral("Address of the update-check service."),
                                         QStringLiteral("url"));
  parser.addOptions({home, screenshot, notebook, push, pushService, updateService});
  if (!parser.parse(arguments)) {
    *error = parser.errorText();
    return std::nullopt;
  }
  LaunchOptions options;
  if (parser.isSet(help))
    options.help = parser.helpText();
  options.homeFolder = parser.value(home);
  options.screenshotPath = parser.value(screenshot);
  if (parser.isSet(notebook)) {
    bool number = false;
    options.openNotebook = parser.value(notebook).toInt(&number);
    if (!number || options.openNotebook < 1) {
      *error = QStringLiteral("not a notebook number (1 is the first): ") + parser.value(notebook);
      return std::nullopt;
    }
  }
  options.pushPayload = parser.value(push).toUtf8();
  options.pushServiceAddress = serviceAddress(parser.value(pushService));
  options.updateCheckAddress = serviceAddress(parser.value(updateService));
  for (const auto &[option, address] : {std::pair{&pushService, options.pushServiceAddress},
                                        std::pair{&updateService, options.updateCheckAddress}}) {
    if (parser.isSet(*option) && address.isEmpty()) {
      *error = QStringLiteral("not an http address: ") + parser.value(*option);
      return std::nullopt;
    }
  }
  return options;
}

QUrl LaunchOptions::serviceAddress(const QString &text) {
  if (text.trimmed().isEmpty())
    return {};
  const QUrl url = QUrl::fromUserInput(text.trimmed());
  return isWebAddress(url) ? url : QUrl();
}
