#include "StagedWrite.h"

#include "AtomicFile.h"
#include "DiagnosticLog.h"

#include <QFile>
#include <QStringList>

namespace {
QString stagedPath(const QString &target) {
  return target + QLatin1String(".staged");
}
} // namespace

StagedWrite::StagedWrite(QString markerPath) : m_marker(std::move(markerPath)) {}

StagedWrite::~StagedWrite() {
  discard();
}

bool StagedWrite::stage(const QString &path, const QByteArray &data) {
  const QString staged = stagedPath(path);
  if (!writeFileAtomically(staged, data))
    return false;
  m_staged.append({staged, path});
  return true;
}

bool StagedWrite::commit() {
  if (m_staged.isEmpty())
    return true;
  const bool marked = !m_marker.isEmpty() && m_staged.size() > 1;
  if (marked && !writeFileAtomically(m_marker, QByteArrayLiteral("staged\n"))) {
    discard();
    return false;
  }
  bool first = true;
  while (!m_staged.isEmpty()) {
    const auto [staged, target] = m_staged.first();
    if (!moveFileOver(staged, target)) {
      if (first || !marked) {
        discard(); // nothing has changed yet, or no marker to finish with
        if (marked)
          QFile::remove(m_marker);
      } else {
        m_staged.clear(); // decided: recover() finishes it
      }
      return false;
    }
    first = false;
    m_staged.removeFirst();
  }
  if (marked && !QFile::remove(m_marker))
    QUILL_LOG_ERROR("remove commit marker", "file", 0, m_marker);
  return true;
}

void StagedWrite::recover(const QString &markerPath, const QStringList &targets) {
  const bool decided = !markerPath.isEmpty() && QFile::exists(markerPath);
  bool finished = true;
  for (const QString &target : targets) {
    const QString staged = stagedPath(target);
    if (target.isEmpty() || !QFile::exists(staged))
      continue;
    if (decided)
      finished = moveFileOver(staged, target) && finished;
    else if (!QFile::remove(staged))
      QUILL_LOG_ERROR("remove a staged leftover", "file", 0, staged);
  }
  // A change that could not be finished keeps its marker for the next try.
  if (decided && finished && !QFile::remove(markerPath))
    QUILL_LOG_ERROR("remove commit marker", "file", 0, markerPath);
}

void StagedWrite::discard() {
  for (const auto &entry : std::as_const(m_staged))
    QFile::remove(entry.first);
  m_staged.clear();
}
