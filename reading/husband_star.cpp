#include "engine/CBaZiEx.h"

std::string CBaZiEx::ReadHusbandStar() const { return {}; }
