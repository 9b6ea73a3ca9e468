// Minimal JSON output for the command line: strings escaped, numbers and
// booleans as they are. Objects are built as text by the commands.
#pragma once

#include <string>
#include <string_view>

// A JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);
// A 32-bit float as the shortest decimal that reads back as the same float
// (87.9f is "87.9", not "87.900002").
std::string JsonFloat(float value);
