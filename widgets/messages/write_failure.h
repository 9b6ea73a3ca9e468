// A dialog whose settings or text file could not be written tells the user
// so and stays open, so that nothing typed is lost.
#pragma once

#include <QString>

class MDataBase;
class QWidget;

// ok as given; when false, first shows that the file (a path under the
// program folder, e.g. "dat/bzinit.ini") could not be written.
bool Written(QWidget* parent, bool ok, const QString& file);

// The same for a change to the case library: when another program keeps
// the library or has replaced it since the window opened it, says so.
bool StoreWritten(QWidget* parent, const MDataBase& store, bool ok, const QString& file);

// A new case whose record was stored but whose report file could not be
// written: says which was saved and which was not.
void ReportNotWritten(QWidget* parent, const QString& reportFile);

inline const QString kSettingsFileName = QStringLiteral("dat/bzinit.ini");
