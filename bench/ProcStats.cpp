// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing of /proc texts; the kernel's formats are fixed, so a missing or
// malformed field means the process went away while being read.
#include "ProcStats.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The number after "Name:" at the start of a line, or -1.
long statusField(const std::string& text, const std::string& name) {
    const std::string key = name + ":";
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (text.compare(at, key.size(), key) == 0) {
            char* stop = nullptr;
            const char* first = text.c_str() + at + key.size();
            long value = std::strtol(first, &stop, 10);
            return stop == first ? -1 : value;
        }
        at = end + 1;
    }
    return -1;
}

} // namespace

long peakResidentKiB(const std::string& statusText) {
    return statusField(statusText, "VmHWM");
}

long proportionalSetKiB(const std::string& smapsRollupText) {
    return statusField(smapsRollupText, "Pss");
}

long contextSwitches(const std::string& statusText) {
    long voluntary = statusField(statusText, "voluntary_ctxt_switches");
    long involuntary = statusField(statusText, "nonvoluntary_ctxt_switches");
    return voluntary < 0 || involuntary < 0 ? -1 : voluntary + involuntary;
}

long cpuTicks(const std::string& statText) {
    // Fields after the command name: state is field 3, utime 14 and stime 15.
    std::size_t close = statText.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(statText.substr(close + 1));
    std::string field;
    long utime = -1, stime = -1;
    for (int number = 3; number <= 15 && rest >> field; ++number) {
        if (number == 14) utime = std::strtol(field.c_str(), nullptr, 10);
        if (number == 15) stime = std::strtol(field.c_str(), nullptr, 10);
    }
    return utime < 0 || stime < 0 ? -1 : utime + stime;
}

std::string readProcFile(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
