// The readings every report carries: the personality and marriage chapters
// of each person and the comparison of the couple. Hand them to the chart
// engine: CBaZiEx engine(folder, StandardReadings()).
#pragma once

#include "engine/chart/chart_readings.h"

const ChartReadings& StandardReadings();
