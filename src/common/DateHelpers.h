#pragma once

#include <QDateTime>
#include <QString>

// Time texts of the timeline readers and the shelf, and date reading.

// How long ago date was, as of now: the localised "Just Now" for no time or a
// date in the future, then whole seconds, minutes or hours ("%d seconds ago",
// "%d minutes ago", "%d hours ago", up to 86399 seconds), after that the date
// itself as "MM-dd HH:mm" in local time. An invalid date gives a null text.
QString descriptionFromNow(const QDateTime &date,
                           const QDateTime &now = QDateTime::currentDateTime());

// The local date as "yyyy<sep>MM<sep>dd" (includeYear) or "MM<sep>dd". A null
// separator means "-"; an empty one joins the numbers directly.
QString stringWithSeperator(const QDateTime &date, const QString &separator, bool includeYear);

// The date read from text with a Unicode date pattern (as in "EE MMM dd
// HH:mm:ss ZZZ yyyy") in the US English locale; an invalid date when the text
// does not match or the pattern uses fields this reader does not know.
QDateTime dateWithString(const QString &text, const QString &pattern);
