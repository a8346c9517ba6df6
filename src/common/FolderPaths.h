#pragma once

#include <QString>

// Where Quill keeps its files. All user data lives under one home folder
// (set once at start-up, before any other thread runs): "Library" (with the
// notes folder "Library/Notes", "Library/Caches" and "Library/Preferences"),
// "Documents" and "tmp". The resource folder is read-only.

void setHomeFolder(const QString &path);
QString homeFolder();
void setResourceFolder(const QString &path);
QString resourceFolder();

QString temporaryPathWithName(const QString &name);
QString documentPathWithName(const QString &name);
QString libraryDirectory();
QString libraryPathWithName(const QString &name);
QString resourcePathWithName(const QString &name);

// Makes sure a folder (isDirectory) or a file exists at path: something of the
// other kind is removed first; a folder is made without its missing parents.
// Returns the path, or an empty text when it could not be made.
QString confirmFileAtPath(const QString &path, bool isDirectory);

// True when name is one plain file or folder name: not empty, not "." or "..",
// and without "/", "\" or NUL, so joining it to a folder stays inside that folder.
bool isPlainFileName(const QString &name);
