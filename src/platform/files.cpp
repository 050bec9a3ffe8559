#include "platform/files.h"

#include "platform/trace.h"

#include <cerrno>
#include <cstdio>
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

std::optional<std::string> read_file(const std::string& path)
{
    FILE* f = std::fopen(to_slashes(path).c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string s;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    bool bad = std::ferror(f);
    std::fclose(f);
    if (bad)
        return std::nullopt;
    return s;
}

bool write_file_atomic(const std::string& path, const std::string& bytes)
{
    std::string p = to_slashes(path);
    std::string tmp = p + ".tmp" + std::to_string(::getpid());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            ::close(fd);
            ::unlink(tmp.c_str());
            return false;
        }
        done += size_t(w);
    }
    // The old file is replaced only once the new one is safely on disk.
    if (::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(tmp.c_str(), p.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    trace("file_written " + p);
    return true;
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

}  // namespace bafo
