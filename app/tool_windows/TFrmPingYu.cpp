#include "app/tool_windows/TFrmPingYu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "widgets/modeless_window.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"
#include "tools/comment_library.h"

TFrmPingYu* TFrmPingYu::Open(const std::string& programFolder, QWidget* owner) {
    return OpenModeless<TFrmPingYu>(owner, [&] { return new TFrmPingYu(programFolder, owner); });
}

TFrmPingYu::TFrmPingYu(const std::string& programFolder, QWidget* parent)
    : QDialog(parent), commentFile_(comments::CommentFilePath(programFolder)) {
    setObjectName(QStringLiteral("FrmPingYu"));
    setWindowTitle(QStringLiteral("八字断语"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);

    lstsel = new QListWidget(this);
    lstsel->setObjectName(QStringLiteral("lstsel"));
    lstsel->setFixedWidth(110);
    Memlst = new QPlainTextEdit(this);
    Memlst->setObjectName(QStringLiteral("Memlst"));
    Memlst->setReadOnly(true);
    Memlst->setMinimumSize(460, 360);
    // Chosen by click or by the arrow keys.
    connect(lstsel, &QListWidget::currentRowChanged, this, &TFrmPingYu::lstselClick);

    auto* categories = new QVBoxLayout;
    categories->addWidget(new QLabel(QStringLiteral("分类"), this));
    categories->addWidget(lstsel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(categories);
    layout->addWidget(Memlst, 1);

    if (!fileutil::Exists(commentFile_)) return;
    for (std::string_view category : comments::kCategories)
        lstsel->addItem(QString::fromUtf8(category.data(), category.size()));
    lstsel->setCurrentRow(0);
}

void TFrmPingYu::lstselClick() {
    const QListWidgetItem* item = lstsel->currentItem();
    if (!item) return;
    const IniDocument file = IniDocument::Load(commentFile_);
    Memlst->setPlainText(QString::fromStdString(comments::CategoryText(file, item->text().toStdString())));
}
