// Placeholder; the re-evaluation is defined with the other subsystem procedures for now.
#include "rules/reevaluation.hpp"
