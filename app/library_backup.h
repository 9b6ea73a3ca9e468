// The window's safety copy of the case library before it is cleared or
// replaced: the same copy the command line takes (see store_backup.h).
#pragma once

#include "cases/store_backup.h"
