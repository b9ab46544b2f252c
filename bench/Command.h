// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A measured program's command as the benchmark is given it: leading
// NAME=VALUE words set the program's environment, as env(1) reads them (the
// session bus a row runs on), and the rest is the program and its arguments.
#pragma once

#include <string>
#include <vector>

struct Command {
    std::vector<std::string> assignments; // NAME=VALUE, in the order given
    std::vector<std::string> argv;        // the program and its arguments
};

// Splits the words of a command; only words before the program whose name
// part is a variable's name are assignments.
Command splitCommand(const std::vector<std::string>& words);

// The inherited environment (NAME=VALUE entries) with the assignments applied:
// an assigned name replaces the inherited entry, a new one is appended.
std::vector<std::string> environmentWith(const std::vector<std::string>& inherited,
                                         const std::vector<std::string>& assignments);
