#pragma once

class QString;

// File operations of the store that keep the house rules: copies are written
// atomically, and only paths the store built from plain names are passed in.
namespace StoreFiles {

// Copies from to to atomically; false (with a log line) when either step failed.
bool copyFile(const QString &from, const QString &to);
// Removes a file; true when nothing is left at path.
bool removeFile(const QString &path);
// The folder joined with name, or empty when name is not one plain file name.
QString pathInFolder(const QString &folder, const QString &name);

} // namespace StoreFiles
