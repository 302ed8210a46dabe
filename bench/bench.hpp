// A small benchmark registry: each figure is timed several times and compared with its limit.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace loxar::bench {

struct Benchmark {
    std::string name;
    double limit_ms;              // the most one run may take
    std::function<void()> setup;  // untimed, once
    std::function<void()> run;    // timed
    int repeats = 5;
    std::function<void()> prepare = {};  // untimed, before each run
};

std::vector<Benchmark>& registry();

struct Register {
    explicit Register(Benchmark b) { registry().push_back(std::move(b)); }
};

// Keeps the optimiser from dropping a computed value.
void keep(const void* p);

// Runs the registered benchmarks whose name contains argv[1] (all without it) and prints each
// median against its limit.
int run_all(int argc, char** argv);

}  // namespace loxar::bench
