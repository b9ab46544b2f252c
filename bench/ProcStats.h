// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Readings of a running process from the texts of /proc/PID/status,
// /proc/PID/stat and /proc/PID/smaps_rollup, kept apart from the file reading so they can be
// checked on fixed texts.
#pragma once

#include <string>

// Peak resident set size (VmHWM) in KiB, or -1 when the line is missing.
long peakResidentKiB(const std::string& statusText);

// Proportional set size (Pss) in KiB from smaps_rollup, or -1 when missing:
// the resident pages with each shared one divided among the processes that
// map it, so a shared library costs each user only its share.
long proportionalSetKiB(const std::string& smapsRollupText);

// Voluntary plus involuntary context switches of one task, or -1 when missing:
// each wake-up of an idle program is one voluntary switch.
long contextSwitches(const std::string& statusText);

// User plus system CPU time in clock ticks, or -1 when the text is malformed.
// The command name in the second field may hold blanks and parentheses.
long cpuTicks(const std::string& statText);

// The whole text of a file under /proc, empty when it cannot be read (the
// process has gone).
std::string readProcFile(const std::string& path);
