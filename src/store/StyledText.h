#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QVariant>

// The styled text of a text box, as kept in its "<textName>.plist" file: the
// characters as runs, each with one font name, point size and colour. Its
// property-list form reads back to the same characters and run attributes.
// A value type; the text widget converts it to and from its document.
class StyledText {
public:
  struct Run {
    QString text;
    QString fontName;
    double pointSize = 0;
    QColor color;
    bool operator==(const Run &other) const = default;
  };

  QList<Run> runs;

  QString plainText() const;
  // Appends a run, merging it into the last one when the attributes match.
  void append(const Run &run);
  bool operator==(const StyledText &other) const = default;

  QVariant toPropertyList() const;
  // Empty text for anything that is not a styled-text dictionary; runs whose
  // values have the wrong types are dropped.
  static StyledText fromPropertyList(const QVariant &value);

  // The file's text, or empty (with a log line) when missing or unreadable.
  static StyledText read(const QString &path);
  bool write(const QString &path) const;
};
