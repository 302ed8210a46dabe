// The loxar-cli commands; each lives in its own cmd_*.cpp file.
#pragma once

#include "cli/cli_common.hpp"

namespace loxar::cli {

int run_init(const Args& a);
int run_dxcc(const Args& a);
int run_qrb(const Args& a);
int run_score(const Args& a);
int run_report(const Args& a);
int run_check(const Args& a);
int run_export(const Args& a);
int run_keybox(const Args& a);
int run_stats(const Args& a);
int run_import(const Args& a);
int run_qra_merge(const Args& a);
int run_rig(const Args& a);

}  // namespace loxar::cli
