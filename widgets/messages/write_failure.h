// A dialog whose settings or text file could not be written tells the user
// so and stays open, so that nothing typed is lost.
#pragma once

#include <QString>

class QWidget;

// ok as given; when false, first shows that the file (a path under the
// program folder, e.g. "dat/bzinit.ini") could not be written.
bool Written(QWidget* parent, bool ok, const QString& file);

inline const QString kSettingsFileName = QStringLiteral("dat/bzinit.ini");
