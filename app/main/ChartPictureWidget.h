// The chart picture beside the report (`ImgBaZi`): both persons' sex word
// and four pillars and the marriage index, painted over the festive
// background.
#pragma once

#include <QWidget>

#include "engine/chart/report_style.h"

class ChartPictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const ChartPicture& picture);
    const ChartPicture& Picture() const { return picture_; }

    // Where the written part ends (the foot of the marriage index) and
    // where the background's scroll rolls begin, at the picture's height:
    // the picture is never lower than the height at which the text stays
    // clear of the rolls.
    static int TextBottom();
    int RollTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartPicture picture_;
};
