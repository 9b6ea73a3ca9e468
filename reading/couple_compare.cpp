#include "engine/CBaZiEx.h"

void CBaZiEx::CompareCouple() { sectionText.clear(); }
void CBaZiEx::YearPillarRelation(int, int, int& stemCombination, int& branchRelation) const {
    stemCombination = -1;
    branchRelation = -1;
}
std::string CBaZiEx::CrossChartRelations(int, int, int) const { return {}; }
