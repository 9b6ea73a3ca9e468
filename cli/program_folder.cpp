#include "cli/program_folder.h"

#include <cstdio>

#include "engine/base/data_folder.h"

std::string UserProgramFolder() {
    const datafolder::Folders folders = datafolder::Locate();
    std::string error;
    if (!datafolder::Prepare(folders, error)) std::fprintf(stderr, "%s\n", error.c_str());
    return folders.user;
}
