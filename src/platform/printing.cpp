#include "platform/printing.h"

#include "platform/dynlib.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <cups/cups.h>
#include <cups/pwg.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <langinfo.h>
#include <locale.h>
#include <memory>
#include <mutex>
#include <thread>

namespace bafo {

namespace {

// The print service's client library is opened the first time a screen asks
// for printers, so a run that never prints never loads it.
#define BAFO_CUPS_FUNCTIONS(X) \
    X(cupsGetDests2)           \
    X(cupsGetDest)             \
    X(cupsFreeDests)           \
    X(cupsGetOption)           \
    X(cupsServer)              \
    X(ippPort)                 \
    X(cupsEncryption)          \
    X(httpConnect2)            \
    X(httpClose)               \
    X(cupsCopyDestInfo)        \
    X(cupsFreeDestInfo)        \
    X(cupsFindDestDefault)     \
    X(pwgMediaForPWG)          \
    X(pwgMediaForLegacy)       \
    X(cupsCreateDestJob)       \
    X(cupsStartDestDocument)   \
    X(cupsWriteRequestData)    \
    X(cupsFinishDestDocument)  \
    X(cupsCancelDestJob)       \
    X(cupsLastError)           \
    X(cupsLastErrorString)     \
    X(cupsUser)                \
    X(ippNewRequest)           \
    X(ippAddString)            \
    X(ippAddStrings)           \
    X(ippAddInteger)           \
    X(cupsDoRequest)           \
    X(ippFindAttribute)        \
    X(ippGetInteger)           \
    X(ippGetString)            \
    X(ippEnumString)           \
    X(ippDelete)

struct CupsLibrary {
#define BAFO_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    BAFO_CUPS_FUNCTIONS(BAFO_CUPS_POINTER)
#undef BAFO_CUPS_POINTER
};

const char* const kCupsLibrary = "libcups.so.2";

// One try per run; a machine without the library simply has no printers.
const CupsLibrary* cups()
{
    static std::mutex lock;
    static std::unique_ptr<CupsLibrary> loaded;
    static bool tried = false;
    std::lock_guard<std::mutex> hold(lock);
    if (!tried) {
        tried = true;
        auto lib = std::make_unique<CupsLibrary>();
        std::vector<DynSymbol> symbols;
#define BAFO_CUPS_SYMBOL(name) symbols.push_back(dyn_symbol(#name, lib->name));
        BAFO_CUPS_FUNCTIONS(BAFO_CUPS_SYMBOL)
#undef BAFO_CUPS_SYMBOL
        std::string why;
        if (dyn_open(kCupsLibrary, symbols, why))
            loaded = std::move(lib);
        else
            std::fprintf(stderr, "bafolino: no printing: %s\n", why.c_str());
    }
    return loaded.get();
}

struct Dests {
    const CupsLibrary& c;
    cups_dest_t* list = nullptr;
    int count = 0;
    explicit Dests(const CupsLibrary& lib) : c(lib) { count = c.cupsGetDests2(CUPS_HTTP_DEFAULT, &list); }
    ~Dests() { c.cupsFreeDests(count, list); }
    Dests(const Dests&) = delete;
    Dests& operator=(const Dests&) = delete;
};

std::string last_error(const CupsLibrary& c, const char* otherwise)
{
    const char* text = c.cupsLastErrorString();
    return text && *text ? text : otherwise;
}

// Sheet size in hundredths of a millimetre.
struct Sheet {
    int width = 0, length = 0;
};

Sheet locale_paper()
{
    // LC_PAPER of the environment, whatever the program set for itself.
    locale_t loc = newlocale(LC_PAPER_MASK, "", locale_t(0));
    if (!loc)
        return {};
    int w = int(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, loc)));
    int h = int(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, loc)));
    freelocale(loc);
    if (w <= 0 || h <= 0)
        return {};
    return {w * 100, h * 100};
}

// The queue's default paper: the user's own choice for it (lpoptions), else
// the printer's media-default, else the paper of the locale, else A4.
// (cupsGetDestMediaDefault is not asked: it answers Letter for A4 queues.)
Sheet default_sheet(const CupsLibrary& c, http_t* http, cups_dest_t* dest, cups_dinfo_t* info)
{
    auto size_of = [&](const char* media) -> Sheet {
        if (!media)
            return {};
        std::string first(media);
        first = first.substr(0, first.find(','));
        pwg_media_t* pwg = c.pwgMediaForPWG(first.c_str());
        if (!pwg)
            pwg = c.pwgMediaForLegacy(first.c_str());
        if (pwg && pwg->width > 0 && pwg->length > 0)
            return {pwg->width, pwg->length};
        return {};
    };
    Sheet sheet = size_of(c.cupsGetOption("media", dest->num_options, dest->options));
    if (sheet.width == 0 && info)
        if (ipp_attribute_t* a = c.cupsFindDestDefault(http, dest, info, "media"))
            sheet = size_of(c.ippGetString(a, 0, nullptr));
    if (sheet.width == 0)
        sheet = locale_paper();
    if (sheet.width == 0)
        sheet = {21000, 29700};
    return sheet;
}

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// One PDF page of the sheet's size, the picture centred on the whole sheet.
// The sheet is laid out landscape in the PDF itself (wider than tall) and no
// orientation-requested goes with the job: the print service's filters turn a
// landscape page onto the paper by themselves, and asking for landscape as
// well would make some of them turn it a second time.
std::string page_pdf(const PrintPage& page, const Sheet& sheet, std::string& error)
{
    double pw = sheet.width * 72.0 / 2540.0, ph = sheet.length * 72.0 / 2540.0;
    if (page.landscape != (pw > ph))
        std::swap(pw, ph);
    const Surface& pic = *page.picture;
    double w = page.width_in * 72.0, h = page.height_in * 72.0;
    // A picture larger than the paper is shrunk to fit, keeping its shape,
    // rather than losing its edges.
    double fit = std::min({1.0, pw / w, ph / h});
    w *= fit;
    h *= fit;

    std::string pdf;
    cairo_surface_t* doc = cairo_pdf_surface_create_for_stream(append, &pdf, pw, ph);
    if (!page.title.empty())
        cairo_pdf_surface_set_metadata(doc, CAIRO_PDF_METADATA_TITLE, page.title.c_str());
    cairo_pdf_surface_set_metadata(doc, CAIRO_PDF_METADATA_CREATOR, "Bafolino");
    cairo_t* cr = cairo_create(doc);
    // Cairo only reads the pixels.
    cairo_surface_t* img = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pic.data())), CAIRO_FORMAT_RGB24, pic.width(),
        pic.height(), pic.stride_bytes());
    cairo_translate(cr, (pw - w) / 2, (ph - h) / 2);
    cairo_scale(cr, w / pic.width(), h / pic.height());
    cairo_set_source_surface(cr, img, 0, 0);
    // A child's lines stay sharp squares, not smudges.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, 0, 0, pic.width(), pic.height());
    cairo_fill(cr);
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(doc);
    cairo_status_t status = cairo_surface_status(doc);
    cairo_surface_destroy(doc);
    cairo_surface_destroy(img);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = cairo_status_to_string(status);
        return {};
    }
    return pdf;
}

struct JobState {
    int job = 0, printer = 0;
    std::string message;
};

// The job's state and, while it waits, whether its printer is stopped.
JobState job_state(const CupsLibrary& c, http_t* http, const std::string& printer_uri, int job_id)
{
    JobState st;
    auto ask = [&](ipp_op_t op, std::initializer_list<const char*> wanted) {
        ipp_t* req = c.ippNewRequest(op);
        c.ippAddString(req, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printer_uri.c_str());
        if (op == IPP_OP_GET_JOB_ATTRIBUTES)
            c.ippAddInteger(req, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job_id);
        c.ippAddString(req, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.cupsUser());
        std::vector<const char*> names(wanted);
        c.ippAddStrings(req, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(names.size()), nullptr,
                        names.data());
        return c.cupsDoRequest(http, req, "/");
    };
    auto text = [&](ipp_t* resp, const char* name) {
        ipp_attribute_t* a = c.ippFindAttribute(resp, name, IPP_TAG_TEXT);
        const char* s = a ? c.ippGetString(a, 0, nullptr) : nullptr;
        return std::string(s ? s : "");
    };
    if (ipp_t* resp = ask(IPP_OP_GET_JOB_ATTRIBUTES, {"job-state", "job-state-message", "job-printer-state-message"})) {
        if (ipp_attribute_t* a = c.ippFindAttribute(resp, "job-state", IPP_TAG_ENUM))
            st.job = c.ippGetInteger(a, 0);
        st.message = text(resp, "job-state-message");
        if (st.message.empty())
            st.message = text(resp, "job-printer-state-message");
        c.ippDelete(resp);
    }
    if (st.job == IPP_JSTATE_PENDING || st.job == IPP_JSTATE_HELD || st.job == IPP_JSTATE_PROCESSING) {
        if (ipp_t* resp = ask(IPP_OP_GET_PRINTER_ATTRIBUTES, {"printer-state", "printer-state-message"})) {
            if (ipp_attribute_t* a = c.ippFindAttribute(resp, "printer-state", IPP_TAG_ENUM))
                st.printer = c.ippGetInteger(a, 0);
            if (st.printer == IPP_PSTATE_STOPPED) {
                std::string why = text(resp, "printer-state-message");
                if (!why.empty())
                    st.message = why;
            }
            c.ippDelete(resp);
        }
    }
    return st;
}

std::string describe(const CupsLibrary& c, const std::string& printer, const char* attr, int state,
                     const std::string& message)
{
    std::string what = message.empty() ? c.ippEnumString(attr, state) : message;
    return printer + ": " + what;
}

struct Connection {
    const CupsLibrary& c;
    http_t* http = nullptr;
    cups_dinfo_t* info = nullptr;
    ~Connection()
    {
        if (info)
            c.cupsFreeDestInfo(info);
        if (http)
            c.httpClose(http);
    }
};

}  // namespace

std::vector<std::string> cups_printers()
{
    std::vector<std::string> names;
    const CupsLibrary* c = cups();
    if (!c)
        return names;
    Dests dests(*c);
    // Instances (saved option sets of a queue) share its name: listed once.
    for (int i = 0; i < dests.count; ++i)
        if (dests.list[i].is_default)
            names.push_back(dests.list[i].name);
    for (int i = 0; i < dests.count; ++i)
        if (std::find(names.begin(), names.end(), dests.list[i].name) == names.end())
            names.push_back(dests.list[i].name);
    return names;
}

std::string cups_print(const PrintPage& page)
{
    if (!page.picture || page.picture->empty() || !(page.width_in > 0) || !(page.height_in > 0))
        return "Nothing to print";
    const CupsLibrary* lib = cups();
    if (!lib)
        return std::string("No print service (") + kCupsLibrary + ")";
    const CupsLibrary& c = *lib;
    Dests dests(c);
    if (dests.count == 0) {
        // No queue, or no service to ask.
        const char* why = c.cupsLastError() > IPP_STATUS_OK_CONFLICTING ? c.cupsLastErrorString() : nullptr;
        return why && *why ? std::string("No printer: ") + why : "No printer";
    }
    cups_dest_t* dest =
        c.cupsGetDest(page.printer.empty() ? nullptr : page.printer.c_str(), nullptr, dests.count, dests.list);
    if (!dest)
        return "The printer \"" + page.printer + "\" does not exist.";
    const std::string name = dest->name;

    Connection conn{c};
    // The server the list came from, whatever URI the queue gives itself.
    conn.http = c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC, c.cupsEncryption(), 1, 5000, nullptr);
    if (!conn.http)
        return name + ": " + last_error(c, "no connection");
    conn.info = c.cupsCopyDestInfo(conn.http, dest);
    if (!conn.info)
        return name + ": " + last_error(c, "no answer");

    std::string error;
    std::string pdf = page_pdf(page, default_sheet(c, conn.http, dest, conn.info), error);
    if (pdf.empty())
        return error;

    const char* title = page.title.empty() ? "Bafolino" : page.title.c_str();
    int job_id = 0;
    if (c.cupsCreateDestJob(conn.http, dest, conn.info, &job_id, title, 0, nullptr) > IPP_STATUS_OK_CONFLICTING ||
        job_id <= 0)
        return name + ": " + last_error(c, "the job was refused");
    auto refused = [&]() {
        std::string why = name + ": " + last_error(c, "the job was refused");
        c.cupsCancelDestJob(conn.http, dest, job_id);
        return why;
    };
    if (c.cupsStartDestDocument(conn.http, dest, conn.info, job_id, title, CUPS_FORMAT_PDF, 0, nullptr, 1) !=
        HTTP_STATUS_CONTINUE)
        return refused();
    if (c.cupsWriteRequestData(conn.http, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE) {
        // Finishing reads the server's answer, which says why.
        c.cupsFinishDestDocument(conn.http, dest, conn.info);
        return refused();
    }
    if (c.cupsFinishDestDocument(conn.http, dest, conn.info) > IPP_STATUS_OK_CONFLICTING)
        return refused();

    // A queue may take the job and still not print it: a stopped printer keeps
    // it waiting, a failing one aborts it. Watch it for a moment; a slow
    // printer still busy with it by then has it.
    const char* uri = c.cupsGetOption("printer-uri-supported", dest->num_options, dest->options);
    std::string printer_uri = uri ? uri : "ipp://localhost/printers/" + name;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (;;) {
        JobState st = job_state(c, conn.http, printer_uri, job_id);
        switch (st.job) {
        case IPP_JSTATE_COMPLETED:
            return "";
        case IPP_JSTATE_STOPPED:
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            c.cupsCancelDestJob(conn.http, dest, job_id);
            return describe(c, name, "job-state", st.job, st.message);
        default:
            break;
        }
        if (st.printer == IPP_PSTATE_STOPPED) {
            // Reported as not printed, so it must not come out later by surprise.
            c.cupsCancelDestJob(conn.http, dest, job_id);
            return describe(c, name, "printer-state", st.printer, st.message);
        }
        if (std::chrono::steady_clock::now() >= until)
            return "";
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace bafo
