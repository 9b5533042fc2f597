// Data names in Windows form ("Data\Graficos\X.png") resolved on a
// case-sensitive disk, the data root and the per-user folder.
#pragma once
#include <string>
#include <vector>

namespace plat {

// Folder of the running executable ("" when unknown).
std::string ExecutableDir();

// The data root: the folder "data" beside the executable when it exists,
// else the current folder. SetDataRoot overrides it (tests, tools).
std::string DataRoot();
void SetDataRoot(const std::string& folder);
// The folders DataRoot chooses between, for telling where data was looked
// for: "data" beside the executable, then the current folder (only the one
// set, once SetDataRoot was called).
std::vector<std::string> DataRootCandidates();

// Splits a name on '\' and '/', dropping empty components ("a\\b//c" ->
// a, b, c). A leading separator marks an absolute path.
std::vector<std::string> SplitPathComponents(const std::string& name, bool* absolute = nullptr);

// Resolves a name against `base` (the data root when empty; ignored for an
// absolute name). Each component that does not exist exactly is matched
// case-insensitively among the entries of its folder; components past the
// first missing one are kept as written. The result always uses '/'.
std::string ResolvePath(const std::string& name, const std::string& base = std::string());

// As ResolvePath, but true only when the resolved path exists.
bool ResolveExisting(const std::string& name, std::string* out, const std::string& base = std::string());

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

// The per-user base folder: $XDG_DATA_HOME, else $HOME/.local/share.
std::string UserDataHome();

// The per-user folder <UserDataHome>/<maker>/<product>, created when missing
// and `create` is set. "" when it cannot be had.
std::string UserFolder(const std::string& maker, const std::string& product, bool create = true);

} // namespace plat
