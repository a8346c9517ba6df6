#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QByteArray;

// Writes several files as one change: each new content is first written in
// full beside its file ("<path>.staged", flushed to disk); only when all are
// written does commit rename them over their files, in the order staged. A
// failure while staging leaves every old file as it was; staged files not
// committed are removed when the object goes.
class StagedWrite {
public:
  StagedWrite() = default;
  ~StagedWrite();

  // False (with a log line) when the staged file could not be written.
  bool stage(const QString &path, const QByteArray &data);
  // False at the first rename that fails; the files not yet renamed keep their old content.
  bool commit();

  StagedWrite(const StagedWrite &) = delete;
  StagedWrite &operator=(const StagedWrite &) = delete;

private:
  void discard();

  QList<QPair<QString, QString>> m_staged; // (staged file, target)
};
