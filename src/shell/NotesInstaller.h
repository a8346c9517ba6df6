#pragma once

#include <QString>

class UserDefaults;

// Installs the notes folder that ships in the resource folder ("Notes_EN") as
// the library's "Notes" on the first run, and replaces the tutorial notebook
// when a higher version starts. Driven only by the defaults "appInited" and
// "bundleVersion"; must run before the catalogue is first loaded, since it
// edits "NoteBooks.plist" on disk. Failures are logged, never shown.
class NotesInstaller {
public:
  static const QString tutorialIdentifier; // "com.morvel.notebook.tutorial"

  explicit NotesInstaller(UserDefaults &defaults);

  // The install steps of a launch of the given version, in order: record the
  // version on a first run, upgrade the tutorial when the version grew, then
  // the first-run copy.
  void installForVersion(float version);

  // The first-run copy of "Notes_EN" to "Notes"; "appInited" becomes true
  // only when it succeeded (it fails when a "Notes" folder exists already).
  bool initApp();

  // Replaces the tutorial notebook's folder with the shipped one and moves its
  // catalogue entry, made anew from the shipped catalogue, to the end.
  void upgradeTutorial();

private:
  void replaceTutorialFolder();
  void moveTutorialEntryLast();

  UserDefaults &defaults;
};
