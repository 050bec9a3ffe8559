// A seeded random child on the fake platform: clicks, drags, double-clicks,
// keys and waits anywhere on the screen, and the checks that turn what it
// provokes into faults (hangs, message boxes, stray or broken files).
#pragma once

#include "platform/fake/fake_platform.h"

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace bafo::monkey {

struct Figures {
    uint64_t events = 0;     // actions the child made
    uint64_t runs = 0;       // starts of the program
    uint64_t virtual_ms = 0;
    std::map<std::string, uint64_t> screens;  // form name → times it became active
    std::map<std::string, uint64_t> written;  // kind of file → times written
};

// Counts the trace's "file_written" lines by kind of file (results, paintings, ...).
void count_written(const std::string& trace_text, std::map<std::string, uint64_t>& written);

class Child {
public:
    explicit Child(uint64_t seed) : m_rng(seed) {}

    // Called whenever the program waits: schedules the next action once the
    // last one was taken, and watches for screens that stop taking input.
    void on_idle(FakePlatform& fake);

    // Empty while all is well; the first fault otherwise.
    const std::string& fault() const { return m_fault; }
    Figures& figures() { return m_figures; }
    // The last actions, oldest first, for a fault report.
    std::vector<std::string> recent() const;
    // New program run: a fresh platform with its clock at zero.
    void restart();

private:
    void act(FakePlatform& fake, uint32_t at);
    bool remembers(FakePlatform& fake, uint32_t at);
    void target(int& x, int& y);
    void note(const std::string& what);
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    std::mt19937_64 m_rng;
    Figures m_figures;
    std::string m_fault;
    std::vector<std::string> m_log;  // ring of recent actions
    size_t m_log_next = 0;
    uint32_t m_scheduled_at = 0;     // when the last action falls due
    bool m_waiting = false;          // an action is queued and not taken yet
    uint32_t m_last_now = 0;
    uint64_t m_still = 0;            // waits in a row without the clock moving
    size_t m_messages_seen = 0;
    const void* m_last_active = nullptr;
};

// Everything in the writable directory must load back with the program's own
// readers; nothing else may be there. Returns one line per fault.
std::vector<std::string> check_writable_dir(const std::string& dir);
// The family's copies of paintings: PNG files that decode.
std::vector<std::string> check_pictures_dir(const std::string& dir);
// Trace lines "file_written PATH" whose path lies outside every allowed directory.
std::vector<std::string> check_written_paths(const std::string& trace_text,
                                             const std::vector<std::string>& allowed_dirs);

}  // namespace bafo::monkey
