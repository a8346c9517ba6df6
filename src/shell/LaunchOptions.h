#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// What the command line asks of this start of Quill. Service addresses left
// empty here fall back to the keys "pushServiceAddress" and
// "updateCheckAddress" of the defaults; with neither, that request is skipped.
struct LaunchOptions {
  QString homeFolder;      // --home DIR, else the user's data folder "quill"
  QString screenshotPath;  // --screenshot FILE: write the first screen, then exit
  int openNotebook = 0;    // --notebook N: open the N-th notebook of the shelf (from 1) at start
  QByteArray pushPayload;  // --push JSON: hand a payload to the running instance
  QUrl pushServiceAddress; // --push-service URL
  QUrl updateCheckAddress; // --update-service URL
  QString help;            // --help: the text to print before quitting

  // The options of arguments (the first is the program); nothing, with the
  // reason in error, when they are wrong.
  static std::optional<LaunchOptions> parse(const QStringList &arguments, QString *error);

  // A service address as given by a user: "host:port" means plain HTTP. Only
  // http and https addresses are kept; anything else gives an empty address.
  static QUrl serviceAddress(const QString &text);
};
