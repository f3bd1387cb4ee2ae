// Reads arbitrary bytes as a keyword tree file. Whatever the input, the nodes read form a
// well-formed forest, and writing them gives a file that reads back to exactly those nodes:
// the reader's texts never begin with a blank nor hold a line end or NUL, so nothing shifts.
#include "keywords/keyword_tree_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KeywordTreeReadResult first = readKeywordTree(bytes);
    if (!isWellFormedForest(first.nodes))
        std::abort();
    // The first line never fails, and a failing line lies two or more levels below its predecessor.
    if (first.error && (first.nodes.empty() || first.error->depth <= first.nodes.back().depth + 1))
        std::abort();

    const KeywordTreeReadResult again = readKeywordTree(writeKeywordTree(first.nodes));
    if (again.error || again.nodes != first.nodes)
        std::abort();
    return 0;
}
