// The score explanation of the QSO selected in the log: moving the selection with the arrow keys
// asks for it on every step, so it has to answer within a frame on a full log.
#include "bench.hpp"
#include "rules/score_explanation.hpp"
#include "sample_data.hpp"

namespace {

using namespace loxar;

ListBox full_log;

loxar::bench::Register last_qso{
    {"score explanation: last of 99 999 QSOs selected", 16.0, [] { bench::add_sample_log(full_log, 99999); },
     [] {
         const QsoExplanation e = explain_qso(full_log.items(), full_log.size() - 1, ContestType::Iaru, {});
         loxar::bench::keep(&e);
     },
     11}};

}  // namespace
