#include "engine/CBaZiEx.h"

std::string CBaZiEx::ReadWifeStar() const { return {}; }
