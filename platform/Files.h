// Durable file operations: what a safe save needs beyond the C streams.
#pragma once
#include <cstdio>
#include <string>

namespace plat {

// Flushes the stream's buffer and asks the system to put the file's data on
// disk; false when either fails or the stream has seen a write error.
bool FlushToDisk(FILE* stream);

// Whether a file may be written whole at `path` and renamed over it: true
// when nothing is there or a regular file is (a device, a folder or any
// other special file is never replaced by a save).
bool IsReplaceableFile(const std::string& path);

// Renames `from` over `to` in one step (an existing `to` is replaced, never
// left half-written) and puts the change of the folder on disk. False,
// renaming nothing, when `to` is not replaceable.
bool ReplaceFile(const std::string& from, const std::string& to);

// Deletes a file; true when it is gone (also when it never existed).
bool RemoveFile(const std::string& path);

// Keeps a damaged file aside, never over an earlier kept one (which may be
// the player's real file): renamed to <file>.bad, else .bad1 to .bad9. The
// name it now has, or "" when it could not be moved (every name taken, or
// the rename failed).
std::string KeepAside(const std::string& path);

} // namespace plat
