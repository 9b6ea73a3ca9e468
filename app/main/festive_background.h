// The background of the chart picture: red paper with a black calligraphy
// brush stroke at the top, above two decorated red scroll rolls; 120 × 500
// pixels, painted once and stretched over the picture.
#pragma once

#include <QImage>

const QImage& FestiveBackground();

// The picture's height and the top of its upper scroll roll, in its own
// pixels.
int FestiveBackgroundHeight();
int FestiveRollTop();
