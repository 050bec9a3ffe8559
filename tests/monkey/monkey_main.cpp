// The monkey: the whole program on the fake platform with the generated tree,
// played by a random child until a number of actions or hours is spent.
//   bafo_monkey --data DIR [--events N | --hours H] [--seed S]
// Exit status 0 when nothing went wrong, 1 on a fault, 77 without a tree.
#include "monkey/monkey.h"

#include "platform/files.h"
#include "platform/trace.h"
#include "shell/program.h"
#include "ui/app.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace bafo;

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int64_t> g_heartbeat{0};  // wall ms at the program's last wait
monkey::Child* g_child = nullptr;
uint64_t g_seed = 0;

int64_t wall_ms()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

void report_recent()
{
    if (!g_child)
        return;
    std::fprintf(stderr, "monkey: seed %llu; the last actions:\n", (unsigned long long)g_seed);
    for (const auto& a : g_child->recent())
        std::fprintf(stderr, "  %s\n", a.c_str());
}

// A loop that never waits never comes back to the child: only the wall clock sees it.
void watchdog(int64_t limit_ms)
{
    for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const int64_t beat = g_heartbeat.load();
        if (beat && wall_ms() - beat > limit_ms) {
            std::fprintf(stderr, "monkey: FAULT the program has not waited for %lld ms (busy loop)\n",
                         (long long)(wall_ms() - beat));
            report_recent();
            std::fflush(stderr);
            std::abort();
        }
    }
}

std::string read_all(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int usage()
{
    std::fprintf(stderr, "usage: bafo_monkey --data DIR [--events N | --hours H] [--seed S]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string data;
    uint64_t max_events = 2000;
    double hours = 0;
    g_seed = uint64_t(wall_ms()) ^ uint64_t(getpid()) << 32;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (a == "--data")
            data = argv[++i];
        else if (a == "--events")
            max_events = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--hours")
            hours = std::strtod(argv[++i], nullptr);
        else if (a == "--seed")
            g_seed = std::strtoull(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (data.empty())
        if (const char* d = std::getenv("BAFO_DATA"))
            data = d;
    if (data.empty() || !fs::is_directory(fs::path(data) / "BAFO_CS")) {
        std::printf("monkey: no data tree (--data or BAFO_DATA), skipped\n");
        return 77;
    }
    data = fs::absolute(data).string();

    // A home of its own: the writable directory links the tree in, and the
    // family's pictures, the settings and the lock live beside it.
    char templ[] = "/tmp/bafo-monkey-XXXXXX";
    if (!mkdtemp(templ))
        return 2;
    const fs::path sandbox = templ;
    const fs::path home = sandbox / "home", hd = sandbox / "hd", run = sandbox / "run";
    const fs::path pictures = home / "Pictures";
    for (const auto& d : {home, hd, run, pictures, home / ".config"})
        fs::create_directories(d);
    fs::permissions(run, fs::perms::owner_all);
    for (const auto& e : fs::directory_iterator(data))
        if (e.path().filename().string()[0] != '.')
            fs::create_directory_symlink(e.path(), hd / e.path().filename());
    {
        std::ofstream ini(sandbox / "BAFO.INI");
        ini << "[BAFO_CS]\nHD=" << hd.string() << "\n";
        std::ofstream dirs(home / ".config" / "user-dirs.dirs");
        dirs << "XDG_PICTURES_DIR=\"$HOME/Pictures\"\n";
    }
    const fs::path trace_file = sandbox / "trace";
    ::setenv("BAFO_INI", (sandbox / "BAFO.INI").c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    ::setenv("BAFO_TRACE", trace_file.c_str(), 1);
    trace_reset();

    std::printf("monkey: seed %llu, %s, sandbox %s\n", (unsigned long long)g_seed,
                hours > 0 ? (std::to_string(hours) + " h").c_str() : (std::to_string(max_events) + " actions").c_str(),
                sandbox.c_str());
    std::fflush(stdout);

    monkey::Child child(g_seed);
    g_child = &child;
    const bool sanitized = std::getenv("ASAN_OPTIONS") != nullptr;
    std::thread(watchdog, sanitized ? 180000 : 60000).detach();
    const auto started = Clock::now();
    auto spent = [&] {
        if (hours > 0)
            return std::chrono::duration<double, std::ratio<3600>>(Clock::now() - started).count() >= hours;
        return child.figures().events >= max_events;
    };

    std::vector<std::string> faults;
    while (faults.empty() && !spent()) {
        FakePlatform fake;
        fake.printer_names = {"Kids_Room_Printer", "Office"};
        child.restart();
        fake.on_idle = [&](FakePlatform& f) {
            g_heartbeat = wall_ms();
            child.on_idle(f);
            if (!child.fault().empty() || spent())
                ui::App::get().quit(0);
        };
        set_platform(&fake);
        const int code = run_program(Options{});
        set_platform(nullptr);
        g_heartbeat = 0;
        if (!child.fault().empty())
            faults.push_back(child.fault());
        else if (code != 0)
            faults.push_back("the program ended with status " + std::to_string(code));
        for (auto& f : monkey::check_writable_dir(hd.string()))
            faults.push_back(f);
        for (auto& f : monkey::check_pictures_dir((pictures / "Bafolino").string()))
            faults.push_back(f);
        for (auto& f : monkey::check_written_paths(read_all(trace_file), {hd.string(), (pictures / "Bafolino").string()}))
            faults.push_back(f);
        // Nothing but the settings, the trace and the three directories may appear.
        for (const auto& e : fs::directory_iterator(sandbox)) {
            const auto n = e.path().filename().string();
            if (n != "home" && n != "hd" && n != "run" && n != "BAFO.INI" && n != "trace")
                faults.push_back("unexpected file in the sandbox: " + n);
        }
        for (const auto& e : fs::recursive_directory_iterator(home)) {
            const auto rel = fs::relative(e.path(), home).string();
            if (e.is_regular_file() && rel.rfind("Pictures/Bafolino/", 0) != 0 && rel != ".config/user-dirs.dirs")
                faults.push_back("unexpected file in the home: " + rel);
        }
        monkey::count_written(read_all(trace_file), child.figures().written);
        std::ofstream(trace_file, std::ios::trunc);  // one run's trace at a time
        trace_reset();
    }

    const auto& fig = child.figures();
    const double secs = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("monkey: %llu actions, %llu runs, %.2f virtual hours in %.0f s of wall time\n",
                (unsigned long long)fig.events, (unsigned long long)fig.runs, fig.virtual_ms / 3.6e6, secs);
    std::printf("monkey: %zu screens reached:", fig.screens.size());
    for (const auto& [name, n] : fig.screens)
        std::printf(" %s×%llu", name.c_str(), (unsigned long long)n);
    std::printf("\nmonkey: files written:");
    for (const auto& [kind, n] : fig.written)
        std::printf(" %s×%llu", kind.c_str(), (unsigned long long)n);
    std::printf("\n");
    if (!faults.empty()) {
        for (const auto& f : faults)
            std::fprintf(stderr, "monkey: FAULT %s\n", f.c_str());
        report_recent();
        std::fprintf(stderr, "monkey: replay with --seed %llu; the sandbox is kept in %s\n",
                     (unsigned long long)g_seed, sandbox.c_str());
        return 1;
    }
    fs::remove_all(sandbox);
    std::printf("monkey: no fault (seed %llu)\n", (unsigned long long)g_seed);
    return 0;
}
