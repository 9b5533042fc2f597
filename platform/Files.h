// Durable file operations: what a safe save needs beyond the C streams; and
// folders read by path (the process's working folder is never changed).
#pragma once
#include <cstdio>
#include <string>
#include <vector>

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

// What KeepAside does once every kept name (.bad, .bad1 to .bad9) is taken.
enum class KeepAsidePolicy {
    // Nothing: an earlier kept file may be the player's real one.
    KeepEvery,
    // The oldest kept copy (by its modification time) that is a regular file
    // gives way: the ten newest copies are kept.
    ReplaceOldest,
};

// Keeps a damaged file aside, never over an earlier kept one unless the
// policy says so: renamed to <file>.bad, else .bad1 to .bad9. The name it
// now has, or "" when it could not be moved (every name taken and none may
// be replaced, or the rename failed).
std::string KeepAside(const std::string& path, KeepAsidePolicy policy = KeepAsidePolicy::KeepEvery);

// ---- folders ----

struct FolderEntry {
    std::string name;
    bool folder = false;
};
// The entries of a folder (without "." and ".."), in the order the system
// gives them; false when it cannot be read.
bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries);
bool IsFolder(const std::string& path);
// The process's working folder, absolute ("" when unknown).
std::string WorkingFolder();
// `path` made absolute against `base` (the working folder when empty) and
// cleaned of ".", ".." and doubled separators, without looking at the disk;
// '/' between components, no trailing separator (but for the root).
std::string AbsolutePath(const std::string& path, const std::string& base = std::string());
// Whether `path` is `folder` or lies below it (both absolute and clean),
// component by component.
bool IsWithinFolder(const std::string& path, const std::string& folder);

} // namespace plat
