// quill_tutorial: rebuilds resources/Notes_EN, the first-run notes folder with
// the tutorial notebook.   quill_tutorial [resource folder]

#include "TutorialWriter.h"

#include <QGuiApplication>

int main(int argc, char **argv) {
  // Text layout needs a GUI application, never a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString resources = app.arguments().value(1, QUILL_RESOURCE_DIR);
  return TutorialWriter(resources).write() ? 0 : 1;
}
