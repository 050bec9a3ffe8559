// A print service of the test's own: cupsd started in a fresh temporary
// directory, reachable only through a Unix socket inside it (no TCP port),
// with queues that write every job's PDF, byte for byte, to a file beside it.
// This process's libcups is pointed at it for the server's life, so the
// platform's printers() and print() talk to it and to nothing else.
//
//     PrivateCups cups({{"alpha"}, {"beta", "Letter"}}, "beta");
//     std::string error = platform.print(page);      // "" when taken
//     ASSERT_TRUE(cups.wait_for_output("beta"));
//     PdfInfo info = pdf_info(cups.output_path("beta"));
//     Surface sheet = render_pdf(cups.output_path("beta"), 96);
//
// Each queue's device is file://DIR/QUEUE.pdf; a one-line filter copies the
// job's PDF there unchanged (cupsd writes nothing to a file device for a
// queue without a filter). Works as root (cupsd runs the filter as lp) and as
// a normal user; starts in about 50 ms and stops in about as long. Needs
// /usr/sbin/cupsd (cups-daemon) and, for the PDF helpers, pdftoppm and
// pdfinfo (poppler-utils). libcups keeps its server per thread: print from
// the thread that made the PrivateCups (the test's own).
#pragma once

#include "platform/surface.h"

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bafo::test {

struct PrivateCupsQueue {
    std::string name;
    std::string media = "A4";  // the queue's default paper: "A4" or "Letter"
    bool stopped = false;      // disabled: takes jobs and keeps them waiting
    bool accepting = true;     // false: refuses every new job
    std::string state_message; // what the printer says about itself
};

// Points this process's libcups at `server` (a socket path, or one nobody
// listens on) until destroyed: sets CUPS_SERVER, hides LPDEST and PRINTER
// (they would choose the default), and resets the server libcups has cached
// from earlier use. Everything comes back as it was afterwards.
class CupsServerScope {
public:
    explicit CupsServerScope(const std::string& server);
    ~CupsServerScope();
    CupsServerScope(const CupsServerScope&) = delete;
    CupsServerScope& operator=(const CupsServerScope&) = delete;

private:
    struct Saved {
        const char* name;
        bool set;
        std::string value;
    };
    std::vector<Saved> m_saved;
};

class PrivateCups {
public:
    // Starts the server with these queues, `default_queue` the default (""
    // for none), and waits until it answers (typically ~50 ms). Throws
    // std::runtime_error with the server's error log when it does not come
    // up within 10 s.
    explicit PrivateCups(const std::vector<PrivateCupsQueue>& queues, const std::string& default_queue = "");
    // Stops the server, restores libcups's server and removes the directory.
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    const std::string& dir() const { return m_dir; }
    const std::string& socket() const { return m_socket; }
    // Where the queue writes its jobs: dir()/QUEUE.pdf. Each job replaces it.
    std::string output_path(const std::string& queue) const;
    // True once the queue's file holds a whole PDF (ends with %%EOF and has
    // stopped growing); false after `timeout_ms` without one.
    bool wait_for_output(const std::string& queue, int timeout_ms = 5000) const;
    // Removes the queue's file, so the next job's can be waited for.
    void clear_output(const std::string& queue) const;
    // The server's error log, for failure messages.
    std::string error_log() const;

private:
    void stop();

    std::string m_dir, m_socket;
    pid_t m_pid = -1;
    std::unique_ptr<CupsServerScope> m_scope;
};

// A PDF's page count and the first page's size in points; pages = 0 when
// pdfinfo could not read it.
struct PdfInfo {
    int pages = 0;
    double width_pt = 0, height_pt = 0;
};
PdfInfo pdf_info(const std::string& path);

// Page `page` (from 1) of a PDF rendered by pdftoppm at `dpi`; an empty
// surface when it could not be rendered.
Surface render_pdf(const std::string& path, int dpi, int page = 1);

}  // namespace bafo::test
