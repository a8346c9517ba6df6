#pragma once

class QString;

// Copies the folder tree at from to the new path to, whole or not at all: the
// files are copied into a hidden staging folder beside to, which is renamed to
// to once everything is there. Fails (false, with a log line) when from is not
// a folder, when something already exists at to, or when any copy fails; a
// failed copy leaves nothing behind. Symbolic links are not followed or copied.
bool copyFolder(const QString &from, const QString &to);
