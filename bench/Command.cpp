// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a measured program's command and the environment it starts in.
#include "Command.h"

#include <algorithm>
#include <cctype>

namespace {

// The length of the variable name before '=', or 0 when the word is no
// assignment: a path such as ./a=b or a D-Bus address is a word of its own.
std::size_t assignedNameLength(const std::string& word) {
    std::size_t at = word.find('=');
    if (at == 0 || at == std::string::npos) return 0;
    auto nameCharacter = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    };
    if (std::isdigit(static_cast<unsigned char>(word[0])) ||
        !std::all_of(word.begin(), word.begin() + at, nameCharacter))
        return 0;
    return at;
}

} // namespace

Command splitCommand(const std::vector<std::string>& words) {
    Command command;
    std::size_t i = 0;
    for (; i < words.size() && assignedNameLength(words[i]) > 0; ++i)
        command.assignments.push_back(words[i]);
    command.argv.assign(words.begin() + i, words.end());
    return command;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& inherited,
                                         const std::vector<std::string>& assignments) {
    std::vector<std::string> result = inherited;
    for (const std::string& assignment : assignments) {
        const std::string prefix = assignment.substr(0, assignedNameLength(assignment) + 1);
        auto same = std::find_if(result.begin(), result.end(), [&](const std::string& entry) {
            return entry.compare(0, prefix.size(), prefix) == 0;
        });
        if (same == result.end())
            result.push_back(assignment);
        else
            *same = assignment;
    }
    return result;
}
