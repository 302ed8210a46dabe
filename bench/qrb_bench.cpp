// One distance and bearing computation: the 100000-step arc-cosine search.
#include "bench.hpp"
#include "rules/locator.hpp"

namespace {

using namespace loxar;

Qrb result;

loxar::bench::Register one{{"qrb: JN97MM to PM95TQ", 2.0, nullptr,
                            [] {
                                result = qrb_between("PM95TQ", "JN97MM");
                                loxar::bench::keep(&result);
                            },
                            21}};

}  // namespace
