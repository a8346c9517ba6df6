#pragma once

#include <QString>

// The shown text of a localisation key, from the table "Localizable.json" in
// the resource folder (a JSON object of key to English text). A key the table
// lacks shows as itself. The table is read once, on first use.
QString localizedString(const QString &key);
