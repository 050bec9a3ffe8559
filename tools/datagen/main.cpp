// datagen --out DIR      writes DIR/BAFO_CS/... and the sounds beside it
// datagen --check DIR    confirms every file is there with the size the screens rely on
// datagen --icons DIR    writes the program's icon as DIR/hicolor/<size>/apps/bafolino.*
#include "check.h"
#include "datagen.h"
#include "icon_art.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

using namespace datagen;

static int usage()
{
    std::fprintf(stderr,
                 "usage: datagen --out DIR [--only NAME]\n"
                 "       datagen --check DIR\n"
                 "       datagen --icons DIR\n");
    return 2;
}

static int generate(const std::filesystem::path& root, const std::string& only)
{
    auto gens = all_generators();
    std::atomic<size_t> next{0};
    std::atomic<int> failures{0};
    std::mutex log;
    auto worker = [&] {
        for (size_t i = next++; i < gens.size(); i = next++) {
            if (!only.empty() && gens[i].name != only)
                continue;
            auto t0 = std::chrono::steady_clock::now();
            try {
                gens[i].run(root);
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> l(log);
                std::fprintf(stderr, "datagen: %s failed: %s\n", gens[i].name.c_str(), e.what());
                ++failures;
                continue;
            }
            auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - t0)
                          .count();
            std::lock_guard<std::mutex> l(log);
            std::printf("datagen: %-14s %6lld ms\n", gens[i].name.c_str(), (long long)ms);
        }
    };
    // The machine has two cores; generators are independent of each other.
    std::thread a(worker), b(worker);
    a.join();
    b.join();
    return failures ? 1 : 0;
}

int main(int argc, char** argv)
{
    std::string out, check, only, icons;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--check") && i + 1 < argc)
            check = argv[++i];
        else if (!std::strcmp(argv[i], "--icons") && i + 1 < argc)
            icons = argv[++i];
        else if (!std::strcmp(argv[i], "--only") && i + 1 < argc)
            only = argv[++i];
        else
            return usage();
    }
    if (!icons.empty()) {
        try {
            write_icons(icons);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "datagen: icons failed: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    if (!check.empty()) {
        std::vector<Expect> all;
        for (auto& g : all_generators())
            g.expect(all);
        auto problems = check_tree(check, all);
        for (auto& p : problems)
            std::fprintf(stderr, "datagen: %s\n", p.c_str());
        std::printf("datagen: checked %zu files, %zu problems\n", all.size(), problems.size());
        return problems.empty() ? 0 : 1;
    }
    if (out.empty())
        return usage();
    if (int rc = generate(out, only))
        return rc;
    return 0;
}
