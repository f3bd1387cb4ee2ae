#include "keywords/keyword_tree_file.h"

#include "text/text_lines.h"

#include <algorithm>
#include <climits>

namespace {

size_t leadingBlankCount(std::string_view line)
{
    size_t count = 0;
    while (count < line.size() && (line[count] == '\t' || line[count] == ' '))
        ++count;
    return count;
}

}  // namespace

KeywordTreeReadStop readKeywordLines(std::string_view fileBytes,
                                     const std::function<void(int depth, std::string_view text)>& place)
{
    // Whatever its depth, a line one level or less below the previous node lands at exactly the
    // depth of its blanks (as sibling, child, or sibling of an ancestor); so the flat form only
    // needs the count, checked against the previous node's real depth.
    KeywordTreeReadStop stop;
    std::optional<size_t> previousDepth;  // none before the first line, which is always top level
    LineReader lines(fileBytes);
    for (std::string_view line; lines.next(line);) {
        const size_t blanks = leadingBlankCount(line);
        const std::string_view text = line.substr(blanks);
        const size_t depth = previousDepth ? blanks : 0;
        if (previousDepth && blanks > *previousDepth + 1) {
            const int shownDepth = static_cast<int>(std::min<size_t>(blanks, INT_MAX));
            stop.error.emplace(shownDepth, std::string(text), lines.remainingLineCount() + 1);
            stop.unplacedLines = std::string(fileBytes.substr(static_cast<size_t>(line.data() - fileBytes.data())));
            break;
        }
        place(static_cast<int>(depth), text);
        previousDepth = depth;
    }
    return stop;
}

KeywordTreeReadResult readKeywordTree(std::string_view fileBytes)
{
    KeywordTreeReadResult result;
    // At most one node a line end, and one more for a last line without one.
    result.nodes.reserve(static_cast<size_t>(std::count(fileBytes.begin(), fileBytes.end(), '\n')) + 1);
    static_cast<KeywordTreeReadStop&>(result) =
        readKeywordLines(fileBytes, [&result](int depth, std::string_view text) {
            result.nodes.push_back({depth, std::string(text)});
        });
    return result;
}

void appendKeywordLine(std::string& out, int depth, std::string_view text)
{
    out.append(static_cast<size_t>(std::max(depth, 0)), '\t');
    out.append(text);
    out.append("\r\n");
}

void appendUnplacedLines(std::string& treeBytes, std::string_view unplacedLines)
{
    // With no tree line before them the first of them is read as top level whatever its blanks.
    if (unplacedLines.empty() || treeBytes.size() < 2) {
        treeBytes.append(unplacedLines);
        return;
    }
    // The tree's lines end in CR LF and hold no other line end; the last one's TABs are its depth.
    const size_t lastLine = treeBytes.rfind('\n', treeBytes.size() - 2) + 1;  // npos + 1 is 0
    const size_t lastDepth = leadingBlankCount(std::string_view(treeBytes).substr(lastLine));
    const size_t blanks = leadingBlankCount(unplacedLines);
    if (blanks < lastDepth + 2)
        treeBytes.append(lastDepth + 2 - blanks, '\t');
    treeBytes.append(unplacedLines);
}

std::string writeKeywordTree(const KeywordForest& nodes, std::string_view unplacedLines)
{
    size_t total = unplacedLines.size();
    for (const KeywordLine& node : nodes)
        total += static_cast<size_t>(std::max(node.depth, 0)) + node.text.size() + 2;

    std::string out;
    out.reserve(total);
    for (const KeywordLine& node : nodes)
        appendKeywordLine(out, node.depth, node.text);
    appendUnplacedLines(out, unplacedLines);
    return out;
}
