#include "monkey/monkey.h"

#include "games/frm_pexeso.h"
#include "music/song_file.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "results/results_table.h"
#include "ui/app.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace bafo::monkey {

namespace {

// A screen that holds queued input this long without reading it has stopped taking input.
constexpr uint32_t kDeafLimitMs = 10 * 60 * 1000;
// Waits in a row with the clock standing still: a loop that waits for nothing.
constexpr uint64_t kStillLimit = 2'000'000;
constexpr size_t kLogSize = 24;

const int kKeys[] = {37, 38, 39, 40, 13, 27, 32, 8, 46, 9};

fs::path normal_dir(const std::string& d)
{
    fs::path p = fs::path(d).lexically_normal();
    return p.has_filename() ? p : p.parent_path();
}

std::string read_all(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

void Child::restart()
{
    m_waiting = false;
    m_last_now = 0;
    m_still = 0;
    m_messages_seen = 0;
    m_last_active = nullptr;
    ++m_figures.runs;
}

void Child::note(const std::string& what)
{
    if (m_log.size() < kLogSize)
        m_log.push_back(what);
    else
        m_log[m_log_next] = what;
    m_log_next = (m_log_next + 1) % kLogSize;
}

std::vector<std::string> Child::recent() const
{
    std::vector<std::string> out;
    for (size_t i = 0; i < m_log.size(); ++i)
        out.push_back(m_log[(m_log_next + i) % m_log.size()]);
    return out;
}

void Child::target(int& x, int& y)
{
    // Mostly where something answers, as a child aims at what lights up;
    // otherwise anywhere, the screen's edges included.
    ui::Form* f = ui::App::get().active();
    if (f && chance(0.65)) {
        std::vector<Rect> hot;
        for (const auto& c : f->controls()) {
            if (!c->visible() || !c->enabled() || !c->takes_input())
                continue;
            if (c->parent() && !c->parent()->visible())
                continue;
            Rect r = c->form_rect();
            if (r.w > 0 && r.h > 0)
                hot.push_back({r.x + f->x, r.y + f->y, r.w, r.h});
        }
        if (!hot.empty()) {
            const Rect& r = hot[size_t(pick(0, int(hot.size()) - 1))];
            x = std::clamp(r.x + pick(0, r.w - 1), 0, 799);
            y = std::clamp(r.y + pick(0, r.h - 1), 0, 599);
            return;
        }
    }
    x = pick(0, 799);
    y = pick(0, 599);
}

bool Child::remembers(FakePlatform& fake, uint32_t at)
{
    // A child with a good memory now and then: pairs get found, games are
    // won and the results table asks for a name.
    auto* pexeso = dynamic_cast<FrmPexeso*>(ui::App::get().active());
    if (!pexeso || !chance(0.5))
        return false;
    const PexesoTable& t = pexeso->table();
    std::vector<int> cards;
    for (int c = 1; c <= t.count(); ++c)
        if (pexeso->card_takes_clicks(c) && c != t.first() &&
            (t.first() == 0 || t.tag(c) == t.tag(t.first())))
            cards.push_back(c);
    if (cards.empty())
        return false;
    const Rect r = pexeso->card_rect(cards[size_t(pick(0, int(cards.size()) - 1))]);
    const int x = r.x + pexeso->x + r.w / 2, y = r.y + pexeso->y + r.h / 2;
    fake.click(at, x, y);
    note(std::to_string(at) + " ms remembered card at " + std::to_string(x) + "," + std::to_string(y));
    ++m_figures.events;
    return true;
}

void Child::act(FakePlatform& fake, uint32_t at)
{
    if (remembers(fake, at))
        return;
    int x = 0, y = 0;
    const int kind = pick(0, 99);
    std::ostringstream what;
    what << at << " ms ";
    if (kind < 45) {
        target(x, y);
        const bool right = chance(0.05);
        fake.click(at, x, y, right ? MouseButton::Right : MouseButton::Left);
        what << (right ? "right click " : "click ") << x << "," << y;
    } else if (kind < 52) {
        target(x, y);
        fake.click(at, x, y);
        fake.click(at + uint32_t(pick(40, 250)), x, y);
        what << "double click " << x << "," << y;
    } else if (kind < 64) {
        target(x, y);
        int x2 = 0, y2 = 0;
        target(x2, y2);
        Event d;
        d.type = Event::Type::MouseMove;
        d.x = x;
        d.y = y;
        fake.push(at, d);
        d.type = Event::Type::MouseDown;
        d.button = d.buttons = int(MouseButton::Left);
        fake.push(at, d);
        const int steps = pick(1, 12);
        uint32_t t = at;
        for (int i = 1; i <= steps; ++i) {
            t += uint32_t(pick(5, 60));
            fake.move(t, x + (x2 - x) * i / steps, y + (y2 - y) * i / steps, int(MouseButton::Left));
        }
        Event u = d;
        u.type = Event::Type::MouseUp;
        u.x = x2;
        u.y = y2;
        u.buttons = 0;
        fake.push(t + uint32_t(pick(0, 40)), u);
        what << "drag " << x << "," << y << " to " << x2 << "," << y2;
    } else if (kind < 76) {
        target(x, y);
        fake.move(at, x, y);
        what << "move " << x << "," << y;
    } else if (kind < 84) {
        const int k = kKeys[pick(0, int(std::size(kKeys)) - 1)];
        fake.key(at, k);
        what << "key " << k;
    } else if (kind < 93) {
        // A letter as a key and as typed text, the way a keyboard gives both.
        const int k = pick(65, 90);
        fake.key(at, k);
        static const char* extra[] = {"Ж", "ř", "é", "ё"};
        std::string text = chance(0.1) ? extra[pick(0, 3)] : std::string(1, char(k + 32));
        fake.type(at, text);
        what << "letter " << k << " '" << text << "'";
    } else if (kind < 95) {
        const int n = pick(36, 96);
        fake.midi_note(at, n, 100);
        fake.midi_note(at + uint32_t(pick(30, 600)), n, 0);
        what << "midi note " << n;
    } else {
        // Sits and watches: long enough for timers, clips and tunes to run out.
        const uint32_t quiet = uint32_t(pick(2000, 90000));
        fake.move(at + quiet, pick(0, 799), pick(0, 599));
        what << "wait " << quiet << " ms";
    }
    note(what.str());
    ++m_figures.events;
}

void Child::on_idle(FakePlatform& fake)
{
    if (!m_fault.empty())
        return;
    const uint32_t now = fake.now_ms();
    if (now != m_last_now) {
        m_figures.virtual_ms += uint32_t(now - m_last_now);
        m_last_now = now;
        m_still = 0;
    } else if (++m_still > kStillLimit) {
        m_fault = "the clock stood still through " + std::to_string(kStillLimit) + " waits";
        return;
    }
    if (fake.messages.size() > m_messages_seen) {
        const auto& m = fake.messages[m_messages_seen];
        m_fault = "message box \"" + m.text + "\" (" + m.title + ")";
        return;
    }
    ui::Form* active = ui::App::get().active();
    if (active && active != m_last_active) {
        ++m_figures.screens[active->name()];
        note(std::to_string(now) + " ms screen " + active->name());
    }
    m_last_active = active;
    if (fake.pending_input()) {
        if (int32_t(now - m_scheduled_at) > int32_t(kDeafLimitMs))
            m_fault = "input waited " + std::to_string(now - m_scheduled_at) + " ms unread";
        return;
    }
    // A child's pace: mostly quick, now and then a pause.
    const uint32_t gap = chance(0.8) ? uint32_t(pick(30, 700)) : uint32_t(pick(700, 4000));
    m_scheduled_at = now + gap;
    act(fake, m_scheduled_at);
}

std::vector<std::string> check_writable_dir(const std::string& dir)
{
    std::vector<std::string> faults;
    static const std::regex painting("OMAL[1-9]\\.BMP"), thumb("NAHL[1-9]\\.BMP"), song("SONG([1-9]|1[0-2])\\.DAT");
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        const std::string name = e.path().filename().string();
        if (e.is_symlink())
            continue;  // the tree, linked in by the harness
        const std::string path = e.path().string();
        Surface s;
        if (std::regex_match(name, painting) || std::regex_match(name, thumb)) {
            const bool big = name[0] == 'O';
            const int err = load_bitmap(path, s);
            if (err != kBitmapOk)
                faults.push_back(name + " does not load (" + std::to_string(err) + ")");
            else if (s.width() != (big ? 640 : 168) || s.height() != (big ? 480 : 125))
                faults.push_back(name + " is " + std::to_string(s.width()) + "x" + std::to_string(s.height()));
        } else if (std::regex_match(name, song)) {
            const std::string text = read_all(e.path());
            std::array<Udalost, Studio::kMaxEvents> events{};
            const int n = precti_pisen(text, events);
            // The count line must match what follows it: a cut file reads short.
            int declared = std::atoi(text.c_str());
            if (declared > Studio::kMaxEvents)
                declared = Studio::kMaxEvents;
            if (n != declared)
                faults.push_back(name + " says " + std::to_string(declared) + " events, reads " + std::to_string(n));
        } else if (name == "VYSLEDKY.DAT") {
            static const char* games[] = {"PUZ", "15", "KOS", "COL", "TET", "PEX"};
            for (const char* g : games)
                for (int level = 1; level <= 3; ++level) {
                    ResultsTable t;
                    if (!t.load(path, g, level))
                        faults.push_back(name + " does not load");
                }
            // The reader hides the marker; the file itself must not keep one.
            if (read_all(e.path()).find(std::string("=") + ResultsTable::kMarker + "#") != std::string::npos)
                faults.push_back(name + ": a place still waits for a name");
        } else {
            faults.push_back("unexpected file " + name);
        }
    }
    return faults;
}

std::vector<std::string> check_pictures_dir(const std::string& dir)
{
    std::vector<std::string> faults;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        Surface s;
        if (e.path().extension() != ".png" || !decode_png(read_all(e.path()), s))
            faults.push_back("family picture " + e.path().filename().string() + " does not decode");
        else if (s.width() != 640 || s.height() != 480)
            faults.push_back("family picture " + e.path().filename().string() + " is not 640x480");
    }
    return faults;
}

namespace {

std::vector<fs::path> written_paths(const std::string& trace_text)
{
    std::vector<fs::path> out;
    std::istringstream in(trace_text);
    std::string line;
    const std::string tag = " file_written ";
    while (std::getline(in, line))
        if (const size_t at = line.find(tag); at != std::string::npos)
            out.push_back(fs::path(line.substr(at + tag.size())).lexically_normal());
    return out;
}

}  // namespace

void count_written(const std::string& trace_text, std::map<std::string, uint64_t>& written)
{
    for (const auto& p : written_paths(trace_text)) {
        const std::string name = p.filename().string();
        std::string kind = name.substr(0, 4);
        if (fs::path(name).extension() == ".png")
            kind = "png";
        ++written[kind];
    }
}

std::vector<std::string> check_written_paths(const std::string& trace_text,
                                             const std::vector<std::string>& allowed_dirs)
{
    std::vector<std::string> faults;
    for (const auto& written : written_paths(trace_text)) {
        bool inside = false;
        for (const auto& d : allowed_dirs)
            if (written.parent_path() == normal_dir(d))
                inside = true;
        if (!inside)
            faults.push_back("written outside: " + written.string());
    }
    return faults;
}

}  // namespace bafo::monkey
