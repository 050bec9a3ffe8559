// Opening a shared library when a screen first needs it and resolving the
// functions it is called through.
#pragma once

#include <string>
#include <vector>

namespace bafo {

// One function to look up and the pointer that receives its address.
struct DynSymbol {
    const char* name = nullptr;
    void* slot = nullptr;
    void (*store)(void* slot, void* address) = nullptr;
};

template <class Fn>
DynSymbol dyn_symbol(const char* name, Fn*& slot)
{
    return {name, &slot, [](void* s, void* address) { *static_cast<Fn**>(s) = reinterpret_cast<Fn*>(address); }};
}

// Opens `library` (lazily bound, its symbols kept to itself) and fills every
// slot. On failure nothing is filled, the library is closed again and `why`
// says what was missing. The handle is returned for libraries that need the
// ones opened before them; callers keep it open for the rest of the run.
void* dyn_open(const std::string& library, const std::vector<DynSymbol>& symbols, std::string& why);

}  // namespace bafo
