#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QByteArray;

// Writes several files as one change: each new content is first written in
// full beside its file ("<path>.staged", flushed to disk); only when all are
// written does commit rename them over their files, in the order staged.
//
// With a commit marker, the change survives a crash part-way through the
// renames: commit writes the marker once everything is staged, so that
// recover() can tell a decided change (marker present: the staged files left
// go into place) from an undecided one (no marker: staged files are deleted).
// A failure while staging, or at the first rename, leaves every old file as
// it was; staged files not committed are removed when the object goes.
class StagedWrite {
public:
  explicit StagedWrite(QString markerPath = {});
  ~StagedWrite();

  // False (with a log line) when the staged file could not be written.
  bool stage(const QString &path, const QByteArray &data);
  // False when the change could not be made. A rename that fails after the
  // first leaves the marker and the remaining staged files for recover().
  bool commit();

  // Finishes or rolls back a change of these targets that stopped part-way,
  // as the marker tells. Paths come from the caller, never from the marker.
  static void recover(const QString &markerPath, const QStringList &targets);

  StagedWrite(const StagedWrite &) = delete;
  StagedWrite &operator=(const StagedWrite &) = delete;

private:
  void discard();

  QString m_marker;
  QList<QPair<QString, QString>> m_staged; // (staged file, target)
};
