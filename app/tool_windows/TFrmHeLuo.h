// "河图与洛书": a picture window with the two classical number diagrams. The
// labels "河图" and "洛书" above the picture switch between them; it opens on
// 河图. The picture is painted from the diagrams' drawing data in the
// picture's own 450 × 450 coordinates, so it stays sharp on any screen.
#pragma once

#include <QDialog>
#include <QFont>

#include "tools/heluo_geometry.h"

class QLabel;

class TFrmHeLuo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHeLuo(QWidget* parent = nullptr);
    ~TFrmHeLuo() override;

    void Label1Click();  // "河图"
    void Label2Click();  // "洛书"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Picture;

    QFont font_;  // the picture font, "宋体" 10
    heluo::TextSize textSize_;
    QLabel* Label1;
    QLabel* Label2;
    Picture* img1;
};
