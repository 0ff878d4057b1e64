#pragma once
// File and path helpers shared by the engine and the updater.
#include <optional>
#include <string>

namespace vx {

// True only for an existing regular file (a directory is not a file).
bool FileExists(const std::string& path);

// Removes a file; the result tells whether it was removed.
bool RemoveFile(const std::string& path);

// Reads a whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file with the given bytes through a temporary file and a rename in the
// same folder, so a crash never leaves it half written. False leaves the old file as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Full path of the running program's file.
std::string ExecutablePath();

// The folder part of a path up to and including its last "/" (empty when it has none).
std::string FolderOf(const std::string& path);

// The text after the last "/" (the whole path when it has none).
std::string BaseNameOf(const std::string& path);

// The folder chosen by $<variable> if set, else $XDG_CONFIG_HOME/<fallback>/ (default
// ~/.config/<fallback>/); always with a trailing "/".
std::string ConfigFolder(const char* variable, const std::string& fallback);

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& folder);

}  // namespace vx
