#pragma once

#include <QString>
#include <functional>

class BaseViewController;

// Makes screens by name for the jumps of the shelf screens, so that the shelf
// opens screens of subsystems it does not link (the page editor registers
// "NotePageController" at start-up; a test registers a stand-in). A made
// screen belongs to the caller until it is handed to the navigation
// controller. Main thread only.
class ScreenRegistry {
public:
  using Factory = std::function<BaseViewController *()>;

  // The name of the page editor screen, opened with {"notebook", "notePageIndex"}.
  static const QString kNotePageController;

  // Replaces any factory of that name; an empty factory removes it.
  static void registerScreen(const QString &name, Factory factory);
  // A new screen, or null when no factory of that name is registered.
  static BaseViewController *makeScreen(const QString &name);
};
