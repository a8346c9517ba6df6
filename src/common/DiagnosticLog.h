#pragma once

#include <QDebug>
#include <QString>

// Diagnostic log lines for platform errors: the operation, the source line,
// a short label of what failed, then the error's domain, code and details.
// Nothing reads the log; it is for diagnosis only.
#define QUILL_LOG_ERROR(label, domain, code, details)                                          \
  qWarning("%s(%d): %s: %s %d %s", Q_FUNC_INFO, __LINE__, label, qPrintable(QString(domain)),  \
           int(code), qPrintable(QString(details)))
