#pragma once

class QByteArray;
class QString;

// Writes data to path so that readers see either the old file or the whole new
// one: the bytes go to a temporary file beside it, are flushed to disk and the
// temporary file is renamed over path. Returns false (and logs) on any failure,
// leaving the old file untouched.
bool writeFileAtomically(const QString &path, const QByteArray &data);

// Renames from over to in one step, replacing to (QFile::rename does not
// replace). False (and logs) when it could not.
bool moveFileOver(const QString &from, const QString &to);
