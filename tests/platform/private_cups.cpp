#include "platform/private_cups.h"

#include "platform/dynlib.h"

#include <cerrno>
#include <fcntl.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bafo::test {

namespace fs = std::filesystem;

namespace {

const char* const kCupsd = "/usr/sbin/cupsd";

void put(const std::string& path, const std::string& text, mode_t mode = 0644)
{
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void sleep_ms(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The library the program opens, opened again (the same copy) to reset its server.
void set_libcups_server(const char* server)
{
    using SetServer = void (*)(const char*);
    static SetServer set = [] {
        SetServer fn = nullptr;
        std::string why;
        if (!dyn_open("libcups.so.2", {dyn_symbol("cupsSetServer", fn)}, why))
            throw std::runtime_error("private print service: " + why);
        return fn;
    }();
    set(server);
}

// A queue that hands the PDF on unchanged. cups-daemon alone has no filters,
// and a queue without any writes nothing to a file: device, so it gets one
// that copies.
std::string ppd(const std::string& media)
{
    bool letter = media == "Letter";
    std::string def = letter ? "Letter" : "A4";
    std::string out = "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                      "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"COPY.PPD\"\n"
                      "*Manufacturer: \"Test\"\n*Product: \"(Copy)\"\n*ModelName: \"Copy\"\n"
                      "*ShortNickName: \"Copy\"\n*NickName: \"Copy\"\n*PSVersion: \"(3010.000) 0\"\n"
                      "*LanguageLevel: \"3\"\n*ColorDevice: True\n*DefaultColorSpace: RGB\n*FileSystem: False\n"
                      "*Throughput: \"1\"\n*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
                      "*cupsFilter: \"application/pdf 0 copy-pdf\"\n";
    for (const char* ui : {"PageSize", "PageRegion"}) {
        out += std::string("*OpenUI *") + ui + "/Media Size: PickOne\n*OrderDependency: 10 AnySetup *" + ui +
               "\n*Default" + ui + ": " + def + "\n*" + ui + " A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*" +
               ui + " Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n*CloseUI: *" + ui + "\n";
    }
    out += "*DefaultImageableArea: " + def + "\n*ImageableArea A4/A4: \"0 0 595 842\"\n" +
           "*ImageableArea Letter/Letter: \"0 0 612 792\"\n*DefaultPaperDimension: " + def +
           "\n*PaperDimension A4/A4: \"595 842\"\n*PaperDimension Letter/Letter: \"612 792\"\n";
    return out;
}

bool answers(const std::string& socket_path)
{
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socket_path.c_str(), sizeof addr.sun_path - 1);
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

CupsServerScope::CupsServerScope(const std::string& server)
{
    for (const char* name : {"CUPS_SERVER", "LPDEST", "PRINTER"}) {
        const char* v = std::getenv(name);
        m_saved.push_back({name, v != nullptr, v ? v : ""});
        ::unsetenv(name);
    }
    ::setenv("CUPS_SERVER", server.c_str(), 1);
    set_libcups_server(server.c_str());
}

CupsServerScope::~CupsServerScope()
{
    for (const Saved& s : m_saved) {
        if (s.set)
            ::setenv(s.name, s.value.c_str(), 1);
        else
            ::unsetenv(s.name);
    }
    // Back to whatever the environment and client.conf say.
    set_libcups_server(nullptr);
}

PrivateCups::PrivateCups(const std::vector<PrivateCupsQueue>& queues, const std::string& default_queue)
{
    if (::access(kCupsd, X_OK) != 0)
        throw std::runtime_error(std::string("private print service: no ") + kCupsd + " (cups-daemon)");
    // In /tmp: a socket's path has to stay short.
    std::string tmpl = "/tmp/bafo-cups-XXXXXX";
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error(std::string("private print service: mkdtemp: ") + std::strerror(errno));
    m_dir = tmpl;
    m_socket = m_dir + "/cups.sock";
    ::chmod(m_dir.c_str(), 0755);
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "ppd", "ssl", "bin", "bin/filter",
                            "bin/daemon", "bin/backend"}) {
        fs::create_directories(m_dir + "/" + sub);
        ::chmod((m_dir + "/" + sub).c_str(), 0755);
    }
    fs::create_symlink("/usr/lib/cups/daemon/cups-exec", m_dir + "/bin/daemon/cups-exec");
    put(m_dir + "/bin/filter/copy-pdf", "#!/bin/sh\nif [ -n \"$6\" ]; then exec cat -- \"$6\"; fi\nexec cat\n",
        0755);

    const std::string& d = m_dir;
    std::string files = "ServerRoot " + d + "\nServerBin " + d + "/bin\nRequestRoot " + d + "/spool\nTempDir " + d +
                        "/spool/tmp\nCacheDir " + d + "/cache\nStateDir " + d + "/state\nServerKeychain " + d +
                        "/ssl\nAccessLog " + d + "/log/access_log\nErrorLog " + d + "/log/error_log\nPageLog " + d +
                        "/log/page_log\nPrintcap " + d + "/printcap\nFileDevice Yes\n";
    if (::getuid() == 0) {
        // cupsd will not run its filters as root.
        bool lp = ::getpwnam("lp") != nullptr && ::getgrnam("lp") != nullptr;
        files += lp ? "User lp\nGroup lp\n" : "User nobody\nGroup nogroup\n";
    }
    group* g = ::getgrgid(::getgid());
    if (g)
        files += std::string("SystemGroup ") + g->gr_name + "\n";
    put(d + "/cups-files.conf", files);
    put(d + "/cupsd.conf", "Listen " + m_socket +
                               "\nLogTimeFormat usecs\nBrowsing Off\nBrowseLocalProtocols none\nLogLevel info\nDefaultAuthType None\n"
                               "WebInterface No\nPreserveJobHistory Yes\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                               "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    std::string printers;
    for (const PrivateCupsQueue& q : queues) {
        std::string tag = q.name == default_queue ? "DefaultPrinter" : "Printer";
        printers += "<" + tag + " " + q.name + ">\nInfo " + q.name + "\nMakeModel Copy\nDeviceURI file://" +
                    output_path(q.name) + "\nState " + (q.stopped ? "Stopped" : "Idle") + "\n" +
                    (q.state_message.empty() ? "" : "StateMessage " + q.state_message + "\n") +
                    (q.stopped ? "Reason paused\n" : "") + "Accepting " + (q.accepting ? "Yes" : "No") +
                    "\nShared No\nJobSheets none none\n</" + tag + ">\n";
        put(d + "/ppd/" + q.name + ".ppd", ppd(q.media));
    }
    put(d + "/printers.conf", printers, 0600);

    std::string out = d + "/log/cupsd.out";
    std::string conf = d + "/cupsd.conf", files_conf = d + "/cups-files.conf";
    const char* argv[] = {kCupsd, "-f", "-c", conf.c_str(), "-s", files_conf.c_str(), nullptr};
    pid_t parent = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) {
        // A test that crashes takes its server with it.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        int in = ::open("/dev/null", O_RDONLY);
        int log = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || log < 0 || ::dup2(in, 0) < 0 || ::dup2(log, 1) < 0 || ::dup2(log, 2) < 0)
            ::_exit(127);
        ::execv(kCupsd, const_cast<char**>(argv));
        ::_exit(127);
    }
    if (m_pid < 0) {
        int err = errno;
        m_pid = -1;
        std::error_code ec;
        fs::remove_all(m_dir, ec);
        throw std::runtime_error(std::string("private print service: cannot start cupsd: ") + std::strerror(err));
    }
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        if (answers(m_socket))
            break;
        int status = 0;
        bool died = ::waitpid(m_pid, &status, WNOHANG) == m_pid;
        if (died || std::chrono::steady_clock::now() > until) {
            if (died)
                m_pid = -1;
            std::string why = "private print service: cupsd " + std::string(died ? "ended" : "did not answer") +
                              "\n" + slurp(out) + error_log();
            stop();
            throw std::runtime_error(why);
        }
        sleep_ms(5);
    }
    m_scope = std::make_unique<CupsServerScope>(m_socket);
}

PrivateCups::~PrivateCups()
{
    m_scope.reset();
    stop();
}

void PrivateCups::stop()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (int i = 0; ::waitpid(m_pid, nullptr, WNOHANG) == 0; ++i) {
            if (std::chrono::steady_clock::now() > until) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, nullptr, 0);
                break;
            }
            // It notices the signal when it next wakes, up to a second
            // later; a knock at its socket wakes it now.
            if (i % 5 == 0)
                answers(m_socket);
            sleep_ms(5);
        }
        m_pid = -1;
    }
    if (!m_dir.empty()) {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
}

std::string PrivateCups::output_path(const std::string& queue) const
{
    return m_dir + "/" + queue + ".pdf";
}

bool PrivateCups::wait_for_output(const std::string& queue, int timeout_ms) const
{
    std::string path = output_path(queue);
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    std::string last;
    for (;;) {
        std::string now = slurp(path);
        size_t end = now.find_last_not_of(" \r\n");
        bool whole = end != std::string::npos && end >= 4 && now.compare(end - 4, 5, "%%EOF") == 0;
        if (whole && now == last)
            return true;
        last = now;
        if (std::chrono::steady_clock::now() > until)
            return false;
        sleep_ms(20);
    }
}

void PrivateCups::clear_output(const std::string& queue) const
{
    ::unlink(output_path(queue).c_str());
}

std::string PrivateCups::error_log() const
{
    return slurp(m_dir + "/log/error_log");
}

namespace {

std::string run(const std::string& command)
{
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    ::pclose(p);
    return out;
}

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

PdfInfo pdf_info(const std::string& path)
{
    PdfInfo info;
    std::istringstream lines(run("pdfinfo " + quoted(path) + " 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Pages:", 0) == 0)
            info.pages = std::atoi(line.c_str() + 6);
        else if (line.rfind("Page size:", 0) == 0)
            std::sscanf(line.c_str() + 10, " %lf x %lf", &info.width_pt, &info.height_pt);
    }
    return info;
}

Surface render_pdf(const std::string& path, int dpi, int page)
{
    std::string ppm = run("pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
                          std::to_string(page) + " " + quoted(path) + " 2>/dev/null");
    // P6 <width> <height> <maxval>, one whitespace, then the RGB bytes.
    std::istringstream head(ppm);
    std::string magic;
    int w = 0, h = 0, maxval = 0;
    head >> magic >> w >> h >> maxval;
    if (magic != "P6" || w <= 0 || h <= 0 || maxval != 255 || !head)
        return {};
    size_t at = size_t(head.tellg()) + 1;
    if (ppm.size() < at + size_t(w) * size_t(h) * 3)
        return {};
    Surface s(w, h);
    const auto* p = reinterpret_cast<const unsigned char*>(ppm.data() + at);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, p += 3)
            s.row(y)[x] = rgb(p[0], p[1], p[2]);
    return s;
}

}  // namespace bafo::test
