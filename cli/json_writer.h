// Minimal JSON output for the command line: strings escaped, numbers and
// booleans as they are. Objects are built as text by the commands.
#pragma once

#include <string>
#include <string_view>

// A JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);
