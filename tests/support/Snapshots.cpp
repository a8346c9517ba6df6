#include "QuillTest.h"

#include <QDir>
#include <QImage>

void QuillTest::keepSnapshot(const QImage &image, const QString &name) {
  const QString folder = qEnvironmentVariable("QUILL_SNAPSHOT_DIR");
  if (folder.isEmpty())
    return;
  const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
  if (!image.save(path))
    qWarning("snapshot: cannot write %s", qPrintable(path));
}
