// One person's birth data as marivo-cli takes it on the command line (the
// SPEC of --a and --b): comma-separated key=value, date=YYYY-MM-DD
// (required; a year BC as users write it, -120 for 120 BC), time=HH:MM
// (required), name (default 某人), sex=男|女 (default 男 for person 0, 女 for
// person 1), cal=公历|农历 (default 公历), leap=0|1 (default 0), lon and lat
// in decimal degrees (default 120 and 30), place (default 未知).
#pragma once

#include <string>

#include "engine/records.h"

// Reads one person's SPEC into a birth record for input slot `person`; on
// failure `error` names the key.
bool ParseSpec(const std::string& spec, int person, BirthData& b, std::string& error);
