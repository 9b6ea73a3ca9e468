// The program folder of marivo-cli's commands when no --dir names one: the
// one the window uses (the executable's folder when it holds a writable
// dat/, else the per-user data folder), so that the CLI sees the window's
// cases and settings.
#pragma once

#include <string>

// The folder, filled on first use with the shipped files it lacks. When it
// cannot be made or written the message goes to stderr and the folder is
// still given: reading commands go on with what there is.
std::string UserProgramFolder();
