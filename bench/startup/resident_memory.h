#pragma once
// The resident memory of this process in kilobytes (VmRSS), or -1 where /proc cannot tell.
#include <fstream>
#include <string>

inline long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}
