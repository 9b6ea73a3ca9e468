#include "engine/CBaZiEx.h"

void CBaZiEx::WriteElementPower() {}
void CBaZiEx::WriteRelations() {}
