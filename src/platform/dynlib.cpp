#include "platform/dynlib.h"

#include <dlfcn.h>

namespace bafo {

void* dyn_open(const std::string& library, const std::vector<DynSymbol>& symbols, std::string& why)
{
    void* h = dlopen(library.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!h) {
        const char* err = dlerror();
        why = err ? err : library + " not found";
        return nullptr;
    }
    std::vector<void*> found;
    found.reserve(symbols.size());
    for (const DynSymbol& s : symbols) {
        void* address = dlsym(h, s.name);
        if (!address) {
            why = library + " has no " + s.name;
            dlclose(h);
            return nullptr;
        }
        found.push_back(address);
    }
    for (size_t i = 0; i < symbols.size(); ++i)
        symbols[i].store(symbols[i].slot, found[i]);
    return h;
}

}  // namespace bafo
