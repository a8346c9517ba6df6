#include "ScreenRegistry.h"

#include <QHash>

namespace {
QHash<QString, ScreenRegistry::Factory> &factories() {
  static QHash<QString, ScreenRegistry::Factory> registered;
  return registered;
}
} // namespace

const QString ScreenRegistry::kNotePageController = QStringLiteral("NotePageController");

void ScreenRegistry::registerScreen(const QString &name, Factory factory) {
  if (factory)
    factories().insert(name, std::move(factory));
  else
    factories().remove(name);
}

BaseViewController *ScreenRegistry::makeScreen(const QString &name) {
  const auto it = factories().constFind(name);
  return it == factories().constEnd() ? nullptr : (*it)();
}
