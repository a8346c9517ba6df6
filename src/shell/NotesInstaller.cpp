#include "NotesInstaller.h"

#include "FolderCopy.h"
#include "UserDefaults.h"

#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"

#include <QDir>
#include <QFileInfo>

const QString NotesInstaller::tutorialIdentifier = QStringLiteral("com.morvel.notebook.tutorial");

namespace {
const QString appInitedKey = QStringLiteral("appInited");
const QString bundleVersionKey = QStringLiteral("bundleVersion");
const QString catalogueName = QStringLiteral("NoteBooks.plist");
const QString notebooksKey = QStringLiteral("notebooks");
const QString identifierKey = QStringLiteral("identifier_key");

QString shippedNotesPath(const QString &name = {}) {
  return resourcePathWithName(name.isEmpty() ? QStringLiteral("Notes_EN") : "Notes_EN/" + name);
}
QString notesPath(const QString &name = {}) {
  return libraryPathWithName(name.isEmpty() ? QStringLiteral("Notes") : "Notes/" + name);
}
} // namespace

NotesInstaller::NotesInstaller(UserDefaults &defaults) : defaults(defaults) {}

void NotesInstaller::installForVersion(float version) {
  const bool inited = defaults.boolForKey(appInitedKey);
  if (!inited)
    defaults.setFloat(bundleVersionKey, version);
  if (version > defaults.floatForKey(bundleVersionKey)) {
    defaults.setFloat(bundleVersionKey, version);
    upgradeTutorial();
  }
  if (!inited)
    initApp();
  defaults.synchronize();
}

bool NotesInstaller::initApp() {
  QDir().mkpath(libraryDirectory());
  if (!copyFolder(shippedNotesPath(), notesPath()))
    return false;
  defaults.setBool(appInitedKey, true);
  return defaults.synchronize();
}

void NotesInstaller::upgradeTutorial() {
  replaceTutorialFolder();
  moveTutorialEntryLast();
}

// The shipped tutorial is staged completely before the installed one goes, so
// a failed copy keeps the old tutorial instead of leaving none.
void NotesInstaller::replaceTutorialFolder() {
  const QString installed = notesPath(tutorialIdentifier);
  const QString staged = notesPath(QStringLiteral(".upgrade-") + tutorialIdentifier);
  QDir(staged).removeRecursively();
  if (!copyFolder(shippedNotesPath(tutorialIdentifier), staged))
    return;
  QDir(installed).removeRecursively();
  if (!QDir().rename(staged, installed))
    QUILL_LOG_ERROR("tutorial upgrade: rename", "file", 0, staged + " -> " + installed);
}

// Only the "notebooks" entries with the tutorial's identifier change; every
// other entry and key stays as it is. A catalogue that exists but cannot be
// read is left alone rather than replaced by one that lists only the tutorial.
void NotesInstaller::moveTutorialEntryLast() {
  const QString path = notesPath(catalogueName);
  QVariantMap catalogue;
  if (QFileInfo::exists(path)) {
    const QVariant read = PropertyList::read(path);
    if (read.typeId() != QMetaType::QVariantMap) {
      QUILL_LOG_ERROR("tutorial upgrade: catalogue", "plist", 0,
                      path + " is unreadable; left as it is");
      return;
    }
    catalogue = read.toMap();
  }
  const QVariantList shipped =
      PropertyList::read(shippedNotesPath(catalogueName)).toMap().value(notebooksKey).toList();
  if (shipped.isEmpty()) {
    QUILL_LOG_ERROR("tutorial upgrade: shipped catalogue", "plist", 0,
                    shippedNotesPath(catalogueName));
    return;
  }
  QVariantList notebooks;
  for (const QVariant &entry : catalogue.value(notebooksKey).toList()) {
    if (entry.toMap().value(identifierKey).toString() != tutorialIdentifier)
      notebooks.append(entry);
  }
  notebooks.append(shipped.first());
  catalogue.insert(notebooksKey, notebooks);
  QDir().mkpath(notesPath());
  if (!PropertyList::write(path, catalogue))
    QUILL_LOG_ERROR("tutorial upgrade: write", "plist", 0, path);
}
