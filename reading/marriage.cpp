#include "engine/CBaZiEx.h"

void CBaZiEx::ReadMarriage() {}
