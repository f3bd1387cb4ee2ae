#pragma once
// The memory of this process and of every process it started (the browser engine's render and
// utility processes), read from /proc: the sum of their resident sets, and the sum of their
// proportional sets (shared pages divided among the processes that share them, so nothing is
// counted twice). -1 where /proc cannot tell.
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

struct TreeMemory {
    long residentKb = -1;
    long proportionalKb = -1;
};

namespace resident_memory_detail {

inline long fieldKb(const std::string& path, const std::string& key)
{
    std::ifstream file(path);
    std::string word;
    while (file >> word) {
        if (word == key) {
            long kb = -1;
            file >> kb;
            return kb;
        }
        file.ignore(4096, '\n');
    }
    return -1;
}

inline std::map<long, std::vector<long>> childrenByParent()
{
    std::map<long, std::vector<long>> children;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return children;
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0)
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        // The name in parentheses may hold blanks; the parent follows the state after it.
        const auto close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(line.substr(close + 1));
        std::string state;
        long parent = 0;
        rest >> state >> parent;
        children[parent].push_back(pid);
    }
    ::closedir(proc);
    return children;
}

}  // namespace resident_memory_detail

inline TreeMemory processTreeMemory()
{
    using namespace resident_memory_detail;
    const auto children = childrenByParent();
    TreeMemory total{0, 0};
    std::vector<long> pending{static_cast<long>(::getpid())};
    while (!pending.empty()) {
        const long pid = pending.back();
        pending.pop_back();
        const std::string dir = "/proc/" + std::to_string(pid);
        const long rss = fieldKb(dir + "/status", "VmRSS:");
        const long pss = fieldKb(dir + "/smaps_rollup", "Pss:");
        if (rss < 0 || pss < 0)
            return {};
        total.residentKb += rss;
        total.proportionalKb += pss;
        if (const auto found = children.find(pid); found != children.end())
            pending.insert(pending.end(), found->second.begin(), found->second.end());
    }
    return total;
}

// Printed when the page is on show, for bench/numbers.sh to read.
inline void printProcessTreeMemory()
{
    const TreeMemory memory = processTreeMemory();
    std::printf("rss_kb %ld\npss_kb %ld\n", memory.residentKb, memory.proportionalKb);
    std::fflush(stdout);
}
