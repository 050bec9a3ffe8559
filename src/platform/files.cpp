#include "platform/files.h"

#include "platform/trace.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bafo {

namespace {

std::string to_slashes(std::string s)
{
    for (char& c : s)
        if (c == '\\')
            c = '/';
    return s;
}

bool is_regular(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void split(const std::string& path, std::string& dir, std::string& name)
{
    auto p = path.find_last_of('/');
    if (p == std::string::npos) {
        dir = ".";
        name = path;
    } else {
        dir = p == 0 ? "/" : path.substr(0, p);
        name = path.substr(p + 1);
    }
}

}  // namespace

std::string join_path(const std::string& dir, const std::string& rel)
{
    std::string d = to_slashes(dir), r = to_slashes(rel);
    while (d.size() > 1 && d.back() == '/')
        d.pop_back();
    size_t skip = 0;
    while (skip < r.size() && r[skip] == '/')
        ++skip;
    r.erase(0, skip);
    if (d.empty())
        return r;
    if (d == "/")
        return "/" + r;
    if (r.empty())
        return d;
    return d + "/" + r;
}

std::string file_name_of(const std::string& path)
{
    auto p = path.find_last_of("\\/");
    return p == std::string::npos ? path : path.substr(p + 1);
}

int count_files(const std::string& dir, const std::string& pattern)
{
    DIR* d = ::opendir(to_slashes(dir).empty() ? "." : to_slashes(dir).c_str());
    if (!d)
        return 0;
    int n = 0;
    std::string base = to_slashes(dir);
    while (dirent* e = ::readdir(d)) {
        if (::fnmatch(pattern.c_str(), e->d_name, FNM_PERIOD) == 0 &&
            is_regular(join_path(base, e->d_name)))
            ++n;
    }
    ::closedir(d);
    return n;
}

bool file_exists(const std::string& path)
{
    std::string p = to_slashes(path);
    std::string dir, name;
    split(p, dir, name);
    if (name.find_first_of("*?") == std::string::npos)
        return is_regular(p);
    return count_files(dir, name) > 0;
}

namespace {
std::function<bool(const std::string&)>& read_fault()
{
    static std::function<bool(const std::string&)> fails;
    return fails;
}
}  // namespace

void set_read_fault(std::function<bool(const std::string& path)> fails)
{
    read_fault() = std::move(fails);
}

ReadStatus read_file(const std::string& path, std::string& out)
{
    out.clear();
    const std::string p = to_slashes(path);
    // Non-blocking: a pipe left where a file should be must not hang the program.
    int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && !(read_fault() && read_fault()(p));
    char buf[65536];
    while (ok) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        out.append(buf, size_t(n));
    }
    ::close(fd);
    if (!ok)
        out.clear();
    return ok ? ReadStatus::Ok : ReadStatus::Failed;
}

std::optional<std::string> read_file(const std::string& path)
{
    std::string s;
    if (read_file(path, s) != ReadStatus::Ok)
        return std::nullopt;
    return s;
}

namespace {

// The bytes in a new temporary beside `target`, safely on disk; "" when not.
std::string write_temporary(const std::string& target, const std::string& bytes)
{
    // One name per target: a temporary left by a killed run is taken over by
    // the next write instead of piling up (one copy of the program runs at a time).
    std::string tmp = target + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return {};
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            ::close(fd);
            ::unlink(tmp.c_str());
            return {};
        }
        done += size_t(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(tmp.c_str());
        return {};
    }
    return tmp;
}

}  // namespace

bool write_file_atomic(const std::string& path, const std::string& bytes)
{
    return write_files_atomic({{path, bytes}});
}

bool write_files_atomic(const std::vector<std::pair<std::string, std::string>>& path_and_bytes)
{
    std::vector<std::pair<std::string, std::string>> ready;  // temporary, target
    auto drop = [&](size_t from) {
        for (size_t i = from; i < ready.size(); ++i)
            ::unlink(ready[i].first.c_str());
    };
    for (const auto& [path, bytes] : path_and_bytes) {
        const std::string target = to_slashes(path);
        std::string tmp = write_temporary(target, bytes);
        if (tmp.empty()) {
            drop(0);
            return false;
        }
        ready.emplace_back(std::move(tmp), target);
    }
    // The old files are replaced only once every new one is safely on disk.
    for (size_t i = 0; i < ready.size(); ++i) {
        if (::rename(ready[i].first.c_str(), ready[i].second.c_str()) != 0) {
            drop(i);
            return false;
        }
        trace("file_written " + ready[i].second);
    }
    return true;
}

bool write_file_new(const std::string& path, const std::string& bytes)
{
    const std::string target = to_slashes(path);
    if (path_taken(target))
        return false;
    const std::string tmp = write_temporary(target, bytes);
    if (tmp.empty())
        return false;
    // link, not rename: it refuses a name that appeared meanwhile instead of replacing it.
    const bool ok = ::link(tmp.c_str(), target.c_str()) == 0;
    ::unlink(tmp.c_str());
    if (ok)
        trace("file_written " + target);
    return ok;
}

bool make_directories(const std::string& dir)
{
    const std::string d = to_slashes(dir);
    for (size_t at = 1; at <= d.size(); ++at) {
        if (at == d.size() || d[at] == '/')
            ::mkdir(d.substr(0, at).c_str(), 0755);
    }
    struct stat st {};
    return ::stat(d.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string pictures_directory()
{
    const char* home_env = std::getenv("HOME");
    const std::string home = home_env ? home_env : "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string dirs = (config && *config ? std::string(config) : home + "/.config") + "/user-dirs.dirs";
    if (auto text = read_file(dirs)) {
        // Lines such as XDG_PICTURES_DIR="$HOME/Pictures".
        size_t at = 0;
        while (at < text->size()) {
            size_t end = text->find('\n', at);
            if (end == std::string::npos)
                end = text->size();
            std::string line = text->substr(at, end - at);
            at = end + 1;
            const std::string key = "XDG_PICTURES_DIR=\"";
            if (line.compare(0, key.size(), key) != 0)
                continue;
            std::string value = line.substr(key.size());
            const size_t close = value.rfind('"');
            if (close == std::string::npos)
                continue;
            value.resize(close);
            if (value.compare(0, 5, "$HOME") == 0)
                value = home + value.substr(5);
            if (!value.empty() && value[0] == '/')
                return value;
        }
    }
    return home;
}

bool copy_file(const std::string& from, const std::string& to)
{
    auto bytes = read_file(from);
    return bytes && write_file_atomic(to, *bytes);
}

bool delete_file(const std::string& path)
{
    return ::unlink(to_slashes(path).c_str()) == 0;
}

bool set_normal_attributes(const std::string& path)
{
    return ::chmod(to_slashes(path).c_str(), 0644) == 0;
}

bool path_taken(const std::string& path)
{
    struct stat st {};
    return ::lstat(to_slashes(path).c_str(), &st) == 0;
}

std::vector<std::string> directory_names(const std::string& dir)
{
    std::vector<std::string> names;
    DIR* d = ::opendir(to_slashes(dir).c_str());
    if (!d)
        return names;
    while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n != "." && n != "..")
            names.push_back(n);
    }
    ::closedir(d);
    return names;
}

bool is_directory(const std::string& path)
{
    struct stat st {};
    return ::stat(to_slashes(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool make_symlink(const std::string& to, const std::string& at)
{
    return ::symlink(to_slashes(to).c_str(), to_slashes(at).c_str()) == 0;
}

std::string running_executable()
{
    std::string buf(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n <= 0 || size_t(n) >= buf.size())
        return {};
    buf.resize(size_t(n));
    return buf;
}

}  // namespace bafo
