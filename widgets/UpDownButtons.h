// A pair of arrow buttons beside a box, holding a position within a range:
// the up arrow raises it by one, the down arrow lowers it (no wrapping).
#pragma once

#include <QWidget>

class UpDownButtons : public QWidget {
    Q_OBJECT
public:
    UpDownButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int position);  // clamped to the range

    void StepUp() { Step(1); }
    void StepDown() { Step(-1); }

signals:
    // After an arrow was clicked, with the new position.
    void Clicked(int position);

private:
    void Step(int delta);

    int minimum_, maximum_;
    int position_;
};
