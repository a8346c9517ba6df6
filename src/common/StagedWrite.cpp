#include "StagedWrite.h"

#include "AtomicFile.h"
#include "DiagnosticLog.h"

#include <QFile>
#include <cerrno>
#include <cstdio>

StagedWrite::~StagedWrite() { discard(); }

bool StagedWrite::stage(const QString &path, const QByteArray &data) {
  const QString staged = path + QLatin1String(".staged");
  if (!writeFileAtomically(staged, data))
    return false;
  m_staged.append({staged, path});
  return true;
}

bool StagedWrite::commit() {
  while (!m_staged.isEmpty()) {
    const auto [staged, target] = m_staged.first();
    // rename(2) replaces the target in one step, which QFile::rename does not.
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
      QUILL_LOG_ERROR("rename into place", "file", errno, target);
      discard();
      return false;
    }
    m_staged.removeFirst();
  }
  return true;
}

void StagedWrite::discard() {
  for (const auto &entry : std::as_const(m_staged))
    QFile::remove(entry.first);
  m_staged.clear();
}
