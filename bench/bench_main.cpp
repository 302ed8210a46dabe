// The core's benchmarks.
#include "bench.hpp"

int main(int argc, char** argv) {
    return loxar::bench::run_all(argc, argv);
}
