// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Object numbers and the object paths made of them. A listener keeps what it
// learnt of an object by its path, so a number stands for one widget only,
// for the whole life of the process: a widget made later where a freed one
// lived, as a dialog's buttons are, gets a number of its own.
#pragma once

#include <fx.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

// The object path of a number; 0 is the application, at the root path.
std::string objectPath(FX::FXuint id);
// The number an object path names: the root path is 0, and only the paths
// objectPath writes name one.
std::optional<FX::FXuint> objectId(const char* path);

class ObjectIds {
public:
    // The number of a widget, known by its address and its window-system
    // window: an address may be taken again by a new widget, whose window is
    // then another. A widget seen for the first time gets the next number.
    FX::FXuint idOf(const void* widget, unsigned long window);
    // Forgets the widgets idOf was not asked about since the last call: after
    // a walk, those that left the tree. Their numbers are not handed out again.
    void forgetUnseen();
    std::size_t size() const { return ids.size(); }

private:
    struct Entry {
        FX::FXuint id;
        bool seen;
    };
    std::map<std::pair<const void*, unsigned long>, Entry> ids;
    // Numbers are never reused; the count of objects a process can show in
    // its life is far below 2^32, and the last number is kept if it is not.
    FX::FXuint next = 1;
};
