#pragma once

#include <QString>

// Names of the files that text boxes and photos make: the current time in
// whole seconds since 1970 as decimal text, moved on to the next second while
// the name was already given out in this run, belongs to a widget loaded in this
// run, or a file "<name>" or "<name><suffix>" exists in the temporary folder
// or in the editing notebook's resource folder. Two widgets made within the
// same second so never share a file. Main thread.
namespace WidgetFileName {

QString newName(const QString &suffix);
// Marks a stored widget's name as taken for the rest of the run.
void noteTaken(const QString &name);

} // namespace WidgetFileName
