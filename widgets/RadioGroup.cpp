#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), columns_(std::max(columns, 1)), grid_(new QGridLayout(this)),
      group_(new QButtonGroup(this)) {
    grid_->setContentsMargins(6, 4, 6, 4);
    grid_->setSpacing(4);
    SetItems(items);
}

void RadioGroup::SetItems(const QStringList& items) {
    qDeleteAll(buttons_);
    buttons_.clear();
    const int rows = std::max((static_cast<int>(items.size()) + columns_ - 1) / columns_, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        grid_->addWidget(button, i % rows, i / rows);
        buttons_.append(button);
    }
}

int RadioGroup::ItemIndex() const { return group_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        buttons_[index]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last chosen button.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_) button->setChecked(false);
    group_->setExclusive(true);
}
