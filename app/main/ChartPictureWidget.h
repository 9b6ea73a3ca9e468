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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartPicture picture_;
};
