// Where Marivo keeps its data.
//
// Run from a folder of its own (the build folder, a portable copy) that holds
// a writable dat/ beside the executable, the program keeps everything there.
// Installed (no writable dat/ beside the executable, as in /usr/bin), it reads
// the shipped data from <prefix>/share/marivo/dat and keeps what the program
// or the user writes (settings, cases, edited places, reports, backups) in
// the per-user folder $XDG_DATA_HOME/marivo, by default ~/.local/share/marivo.
// Nothing is ever written into the install.
//
// The window and marivo-cli both decide through Locate(), so that the CLI
// sees the cases the window saved.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace datafolder {

struct Folders {
    std::string user;     // holds the writable dat/, bazi_f/ and backups; trailing "/"
    std::string shipped;  // holds the shipped dat/; the same as user when portable
    bool installed = false;
};

// Reads an environment variable; nullptr when it is not set.
using Environment = std::function<const char*(const char*)>;

// The folders of a program whose executable lies in executableFolder.
Folders Locate(const std::string& executableFolder, const Environment& env);
// The folders of the running program, from its own folder and environment.
Folders Locate();

// The per-user data folder: $XDG_DATA_HOME/marivo/ when XDG_DATA_HOME is an
// absolute path, else $HOME/.local/share/marivo/ (the home folder of the
// account when HOME is unset); empty when no home folder is known.
std::string UserDataFolder(const Environment& env);

// Installed: creates the per-user folder and its dat/ (readable by the user
// alone) and copies into it every shipped file it lacks, apart from the
// read-only ones; a file already there is never overwritten. Portable:
// nothing to do. False with a message naming the folder when the folder
// cannot be created or written.
bool Prepare(const Folders& folders, std::string& error);

// Shipped files the program only reads (the stroke table, the comment
// library, the help pages): they stay in the install and are not copied.
bool IsReadOnlyShippedFile(std::string_view fileName);

// The path of a read-only shipped file, relative to the program folder
// ("dat/hzlen.dat"): the user's own copy in userFolder when there is one,
// else the running program's shipped copy when there is one, else the
// user's path (so that a message names where the file was expected).
std::string ShippedFile(std::string_view userFolder, std::string_view relative);

}  // namespace datafolder
