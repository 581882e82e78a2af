#pragma once

#include <ostream>

// velmora-engine bench: fixed-depth searches of a built-in set of positions. The total node
// count is the engine's signature: it changes only when the search's behaviour changes.
int run_bench_command(std::ostream& out);
