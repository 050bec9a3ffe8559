// Files and paths. Paths arrive written with backslashes, as the data tables
// have them; join_path turns them into this system's form.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bafo {

// dir + rel with exactly one separator between them; backslashes become '/'.
std::string join_path(const std::string& dir, const std::string& rel);
// The part after the last separator ('\' or '/'); the whole string when none.
std::string file_name_of(const std::string& path);

// An ordinary file exists; '*' and '?' in the last component match as wildcards.
bool file_exists(const std::string& path);
// Ordinary files in `dir` whose names match `pattern` (wildcards as above).
int count_files(const std::string& dir, const std::string& pattern);

// What reading a file found: nothing there, or something there that could not
// be read whole (a directory, a pipe, an I/O error, no file handles left).
enum class ReadStatus { Ok, Missing, Failed };
ReadStatus read_file(const std::string& path, std::string& out);
// The bytes, or nothing when the file is missing or unreadable.
std::optional<std::string> read_file(const std::string& path);
// Tests make reads fail as a broken disk would: paths for which `fails` says
// true exist but cannot be read. Empty: no faults.
void set_read_fault(std::function<bool(const std::string& path)> fails);
// Written whole or not at all: a temporary beside the target, then rename.
bool write_file_atomic(const std::string& path, const std::string& bytes);
// Files that belong together (a painting and its thumbnail): all are written
// to temporaries and made safe on disk first, then renamed in the order given.
// A failure before the renames leaves every old file as it was.
bool write_files_atomic(const std::vector<std::pair<std::string, std::string>>& path_and_bytes);
// Written whole as write_file_atomic writes, but only where nothing is yet:
// false, and the old file untouched, when the path is taken.
bool write_file_new(const std::string& path, const std::string& bytes);
// Makes the directory and its parents; true when it is there afterwards.
bool make_directories(const std::string& dir);
// Where the desktop keeps the user's pictures, as xdg-user-dir PICTURES
// answers: XDG_PICTURES_DIR of user-dirs.dirs, else the home directory.
std::string pictures_directory();
bool copy_file(const std::string& from, const std::string& to);
bool delete_file(const std::string& path);
// Readable and writable by the owner, whatever the source's mode was.
bool set_normal_attributes(const std::string& path);

// Something (a file, a directory, a link, even a dangling one) has this name.
bool path_taken(const std::string& path);
// The names in a directory, "." and ".." left out; empty when it cannot be read.
std::vector<std::string> directory_names(const std::string& dir);
bool is_directory(const std::string& path);
// A symbolic link at `at` that points to `to`.
bool make_symlink(const std::string& to, const std::string& at);
// The running program's own file, as the kernel knows it; "" when unknown.
std::string running_executable();

}  // namespace bafo
