#pragma once

#include <QString>

// The application's bundle version text ("CFBundleVersion"), set by the build.
QString bundleVersionText();

// A version text read as a number: its leading decimal number, so "1.3" gives
// 1.3, "2.1.4" gives 2.1 and a text without a leading number gives 0.
float bundleVersionNumber(const QString &text);
