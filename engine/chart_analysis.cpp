#include "engine/CBaZiEx.h"

void CBaZiEx::AnalyseChart() {}
void CBaZiEx::ScoreChart() {}
void CBaZiEx::JudgeStrength() {}
int CBaZiEx::FindSpecialPattern(uint8_t[5]) { return -1; }
void CBaZiEx::AssignFavourGods() {}
void CBaZiEx::OrderScores() {}
