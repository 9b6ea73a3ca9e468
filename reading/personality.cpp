#include "engine/CBaZiEx.h"

void CBaZiEx::ReadPersonality() {}
