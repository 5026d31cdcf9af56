// The file search over a whole tree, every row with all its texts kept as
// the window keeps them, against
// `find DIR -iname '*.txt' -printf '%f\t%h\t%s\t%TY-%Tm-%Td %TH:%TM\n'`,
// which lists the same files with the same facts.
#include "bench_tree.h"
#include "core/filesearch.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::seconds;

double timeFind(const std::string& root)
{
    const std::string command = "find '" + root +
        "' -iname '*.txt' -printf '%f\\t%h\\t%s\\t%TY-%Tm-%Td %TH:%TM\\n' > /dev/null";
    const auto start = Clock::now();
    bench::run(command);
    return seconds(Clock::now() - start);
}

}  // namespace

int main()
{
    const bench::Tree tree("ordalis-bench-search");
    const std::string root = tree.root();
    bench::nameSearchMatches(root);
    timeFind(root);  // warms the cache for both

    double ours = 1e9, find = 1e9;
    for (int round = 0; round < 3; ++round) {
        find = std::min(find, timeFind(root));
        std::size_t rows = 0;
        ours = std::min(ours, bench::timeNameSearch(root, rows));
        std::printf("round %d: %zu rows\n", round + 1, rows);
    }
    std::printf("search: %.3f s, find -printf: %.3f s (best of 3)\n", ours, find);
    std::printf("search: %.2fx find -printf (goal <= 1.0x)\n", ours / find);
    return 0;
}
