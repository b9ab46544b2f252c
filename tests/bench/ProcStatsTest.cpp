// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Readings taken from the kernel's texts about a process: what a malformed or
// vanished process gives, and the command names that break naive parsing.
#include "ProcStats.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const char* STATUS = "Name:\tvyx-calculator\n"
                     "VmPeak:\t  236412 kB\n"
                     "VmSize:\t  236412 kB\n"
                     "VmHWM:\t    8712 kB\n"
                     "VmRSS:\t    8544 kB\n"
                     "Threads:\t1\n"
                     "voluntary_ctxt_switches:\t37\n"
                     "nonvoluntary_ctxt_switches:\t5\n";

TEST(ProcStatus, ReadsThePeakNotTheCurrentOrVirtualSize) {
    EXPECT_EQ(peakResidentKiB(STATUS), 8712);
    EXPECT_EQ(peakResidentKiB("Name:\tx\nVmRSS:\t 100 kB\n"), -1);
    EXPECT_EQ(peakResidentKiB(""), -1); // the process went away
    // A field whose name merely starts like the one asked for is not it.
    EXPECT_EQ(peakResidentKiB("VmHWMx:\t5 kB\n"), -1);
}

TEST(ProcStatus, WakeupsCountBothKindsOfSwitchOrNothing) {
    EXPECT_EQ(contextSwitches(STATUS), 42);
    EXPECT_EQ(contextSwitches("voluntary_ctxt_switches:\t3\n"), -1);
    EXPECT_EQ(contextSwitches("nonvoluntary_ctxt_switches:\t3\n"), -1);
}

TEST(ProcSmapsRollup, ReadsTheProportionalSizeNotItsParts) {
    // The kernel's lines: Pss_Dirty comes before Pss, and Pss_Anon, Pss_File
    // and Pss_Shmem after it; only the whole counts.
    const char* rollup = "5581f7e4c000-7ffd3a5f1000 ---p 00000000 00:00 0    [rollup]\n"
                         "Rss:                8712 kB\n"
                         "Pss_Dirty:          1100 kB\n"
                         "Pss:                3480 kB\n"
                         "Pss_Anon:           1024 kB\n"
                         "Pss_File:           2456 kB\n"
                         "Pss_Shmem:             0 kB\n";
    EXPECT_EQ(proportionalSetKiB(rollup), 3480);
    EXPECT_EQ(proportionalSetKiB("Rss:  8712 kB\nPss_Anon:  1024 kB\n"), -1);
    EXPECT_EQ(proportionalSetKiB(""), -1);
    std::string self = "/proc/" + std::to_string(getpid()) + "/smaps_rollup";
    EXPECT_GT(proportionalSetKiB(readProcFile(self)), 0);
}

TEST(ProcStat, CpuTicksAddUserAndSystemTimeAfterTheCommandName) {
    // Fields 14 and 15 are utime and stime; field 16 (cutime) is not ours.
    EXPECT_EQ(cpuTicks("1234 (vyx-calculator) S 1 1234 1234 0 -1 4194560 900 0 0 0 "
                       "17 4 0 0 20 0 1 0 12345 236412416 2136"),
              21);
    // A name may hold blanks and parentheses; only the last ')' ends it.
    EXPECT_EQ(cpuTicks("77 (a) b (c)) S 1 77 77 0 -1 0 0 0 0 0 3 2 9 9"), 5);
    EXPECT_EQ(cpuTicks("77 (short) S 1 2 3"), -1);
    EXPECT_EQ(cpuTicks("no parenthesis at all"), -1);
    EXPECT_EQ(cpuTicks(""), -1);
}

TEST(ProcStat, ReadsTheLiveFilesOfThisProcess) {
    std::string self = "/proc/" + std::to_string(getpid());
    EXPECT_GT(peakResidentKiB(readProcFile(self + "/status")), 0);
    EXPECT_GE(cpuTicks(readProcFile(self + "/stat")), 0);
    EXPECT_GE(contextSwitches(readProcFile(self + "/status")), 0);
    EXPECT_EQ(readProcFile("/proc/no-such-process/status"), "");
}

} // namespace
