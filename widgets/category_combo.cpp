#include "widgets/category_combo.h"

#include <QComboBox>
#include <QLineEdit>

#include "widgets/dialog_controls.h"
#include "widgets/gbk_input_limit.h"
#include "cases/category_list.h"

namespace {

constexpr std::size_t kCategoryBytes = 13;

}  // namespace

QComboBox* CategoryCombo(QWidget* parent, const IniFile& settings) {
    auto* combo = Named(new QComboBox(parent), "CboFenLei");
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    LimitToGbkBytes(*combo->lineEdit(), kCategoryBytes);
    for (const std::string& name : ReadCategoryList(settings, kMissingCategoryText))
        combo->addItem(QString::fromStdString(name));
    return combo;
}
