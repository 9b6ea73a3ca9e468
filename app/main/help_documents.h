// The two help documents in dat/: "bzzs" (相关知识, an introduction to the
// four pillars) and "Marivo" (软件帮助, how to use the program). Each is
// shipped as HTML; a compiled help file of the same name that the user put
// into dat/ is opened instead. The desktop's default viewer shows them;
// where the desktop has none, the page is shown in a window of the program.
#pragma once

#include <QString>
#include <string>

inline const QString kKnowledgeDocument = QStringLiteral("bzzs");
inline const QString kProgramHelpDocument = QStringLiteral("Marivo");

// dat/<name>.chm when it exists, else dat/<name>.html when that exists,
// else empty; each looked for in the program folder, then in the install.
QString HelpDocumentPath(const std::string& programFolder, const QString& name);

// Opens the document with the desktop's default viewer; does nothing (and
// gives false) when neither file exists or no viewer took it.
bool OpenHelpDocument(const std::string& programFolder, const QString& name);

// "相关知识", "软件帮助": the document with the desktop's viewer, else the
// shipped page in the program's own help window beside `owner`.
class QWidget;
void ShowHelpDocument(const std::string& programFolder, const QString& name, QWidget* owner);
