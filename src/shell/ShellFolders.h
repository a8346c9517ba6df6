#pragma once

class QString;

// Makes path the home folder of this run (set once, before anything reads a
// folder path) and creates its folders: "Library" with "Caches" and
// "Preferences", "Documents" and "tmp". False when one could not be made.
bool prepareHomeFolder(const QString &path);

// The read-only resource folder: "resources" beside the program, else
// "../share/quill" beside it (an installed program), else the source tree's
// folder the build was configured with. A candidate counts when it holds the
// localisation table.
QString findResourceFolder(const QString &programFolder);
