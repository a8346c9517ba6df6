#include "SampleHome.h"

#include "common/Identifiers.h"
#include "common/PropertyList.h"
#include "shell/AppVersion.h"
#include "shell/UserDefaults.h"

#include <QDateTime>
#include <QDir>

bool writeSampleHome(const QString &homeFolder, int count) {
  const QString notes = homeFolder + QStringLiteral("/Library/Notes");
  if (!QDir().mkpath(notes) || !QDir().mkpath(homeFolder + QStringLiteral("/Library/Preferences")))
    return false;
  const QDateTime first = QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC);
  QVariantList notebooks;
  for (int i = 0; i < count; ++i) {
    const QString identifier = QStringLiteral("com.quill.") + md5StringOfString(QString::number(i));
    const QVariantMap record{{"notename_key", QStringLiteral("Notebook %1").arg(i + 1)},
                             {"identifier_key", identifier},
                             {"editDate_key", first.addSecs(qint64(i) * 3 * 3600)},
                             {"pagecount_key", qint64(0)}};
    notebooks.append(record);
  }
  if (!PropertyList::write(notes + QStringLiteral("/NoteBooks.plist"),
                           QVariantMap{{"notebooks", notebooks}}))
    return false;
  UserDefaults defaults(homeFolder + QStringLiteral("/Library/Preferences/Quill.ini"));
  defaults.setBool(QStringLiteral("appInited"), true);
  defaults.setFloat(QStringLiteral("bundleVersion"), bundleVersionNumber(bundleVersionText()));
  return defaults.synchronize();
}
