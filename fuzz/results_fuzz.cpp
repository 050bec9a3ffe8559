// Any bytes as VYSLEDKY.DAT: reading, ranking, a new record and writing it back
// must keep the table sane.
#include "platform/files.h"
#include "results/results_table.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string file = "/tmp/bafo-fuzz-" + std::to_string(getpid()) + ".DAT";
    bafo::write_file_atomic(file, std::string(reinterpret_cast<const char*>(data), size));
    for (const char* key : {"PUZ", "15", "PEX"}) {
        bafo::ResultsTable t;
        t.load(file, key, 1 + int(size % 3));
        if (t.marker_row() != -1)
            std::abort();  // a stored name became the marker
        if (t.qualifies(100)) {
            t.enter(100);
            t.name_marker("Аня");
            t.save(file, key, 1 + int(size % 3));
            bafo::ResultsTable back;
            back.load(file, key, 1 + int(size % 3));
            for (size_t i = 1; i < 8; ++i)
                if (back.places[i - 1].number > back.places[i].number)
                    std::abort();  // written out of order
        }
    }
    return 0;
}
