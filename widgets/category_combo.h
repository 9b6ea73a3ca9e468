// The editable category box of the save and search dialogs: the category
// list of dat/bzinit.ini (a missing key read as "临时保存"), or a name typed
// in, at most 13 GBK bytes as the case record's category field takes.
#pragma once

class IniFile;
class QComboBox;
class QWidget;

QComboBox* CategoryCombo(QWidget* parent, const IniFile& settings);
