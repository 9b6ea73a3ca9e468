#include "widgets/UpDownButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDownButtons::UpDownButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (bool up : {true, false}) {
        auto* button = new QToolButton(this);
        button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, up] { Step(up ? 1 : -1); });
        layout->addWidget(button);
    }
}

void UpDownButtons::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDownButtons::Step(int delta) {
    SetPosition(position_ + delta);
    emit Clicked(position_);
}
