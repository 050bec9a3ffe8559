#include "datagen.h"

#include <algorithm>

namespace datagen {

namespace {
std::vector<Generator (*)()>& makers()
{
    static std::vector<Generator (*)()> all;
    return all;
}
}  // namespace

Registered::Registered(Generator (*make)())
{
    makers().push_back(make);
}

std::vector<Generator> all_generators()
{
    std::vector<Generator> out;
    for (auto make : makers())
        out.push_back(make());
    // Link order must not change the order of work or of the check's report.
    std::sort(out.begin(), out.end(), [](const Generator& a, const Generator& b) { return a.name < b.name; });
    return out;
}

}  // namespace datagen
