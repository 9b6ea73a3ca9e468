// The report view's popup menu PopupRdtsend: editing ("撤销", "复制",
// "粘帖", "剪切", "删除", "全选"), "设置选中文本", and the report files
// ("导入命稿", "另存为", "打印", "导出PDF"). None of its items touches the
// chart or the case on screen; edits set the view's modified flag.
#pragma once

class QMenu;
class QTextEdit;

// Builds the menu (a child of the view) and opens it on a right click in the
// view. Items that cannot act on the view as it is are greyed out.
QMenu* BuildReportPopup(QTextEdit& view);
