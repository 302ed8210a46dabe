// Runs the registered benchmarks and prints their median times against their limits.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "bench.hpp"

namespace loxar::bench {

std::vector<Benchmark>& registry() {
    static std::vector<Benchmark> all;
    return all;
}

void keep(const void* p) {
    // An empty asm that "reads" p: the compiler must assume the result is used.
    asm volatile("" : : "g"(p) : "memory");
}

int run_all(int argc, char** argv) {
    const char* filter = argc > 1 ? argv[1] : nullptr;
    int slow = 0;
    for (Benchmark& b : registry()) {
        if (filter && !std::strstr(b.name.c_str(), filter)) continue;
        if (b.setup) b.setup();
        std::vector<double> times;
        for (int i = 0; i < b.repeats; ++i) {
            if (b.prepare) b.prepare();
            auto t0 = std::chrono::steady_clock::now();
            b.run();
            auto t1 = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        const bool ok = median <= b.limit_ms;
        slow += ok ? 0 : 1;
        std::printf("%-55s %10.3f ms  (limit %8.3f ms)  %s\n", b.name.c_str(), median, b.limit_ms,
                    ok ? "ok" : "SLOW");
        std::fflush(stdout);
    }
    std::printf("%d over the limit\n", slow);
    return 0;
}

}  // namespace loxar::bench
