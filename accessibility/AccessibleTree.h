// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the accessibility bus is shown of the program: the application, its
// shown top-level windows and, under each, the widgets that have a role, read
// off the toolkit's widget tree. The tree is walked again whenever the program
// may have changed, and a walk is a snapshot: it holds each widget's name,
// description and states as they were, so two walks tell what changed.
#pragma once

#include <fx.h>

#include <map>
#include <string>
#include <vector>

#include "AccessibleNameTable.h"

// The protocol's state numbers, as bits of the two state words.
enum AccessibleState : FX::FXuint {
    A11Y_ACTIVE = 1,
    A11Y_CHECKED = 4,
    A11Y_ENABLED = 8,
    A11Y_FOCUSABLE = 11,
    A11Y_FOCUSED = 12,
    A11Y_MODAL = 16,
    A11Y_RESIZABLE = 21,
    A11Y_SENSITIVE = 24,
    A11Y_SHOWING = 25,
    A11Y_VISIBLE = 30,
    A11Y_CHECKABLE = 41,
};

struct AccessibleNode {
    FX::FXWindow* widget = nullptr; // none for the application
    FX::FXuint id = 0;              // the number in its object path; 0 for the application
    FX::FXint parent = -1;          // index of its parent node; -1 for the application
    FX::FXint indexInParent = -1;
    std::vector<FX::FXint> children; // indexes of its child nodes, in the toolkit's order
    FX::FXuint role = 0;
    std::string name;
    std::string description;
    FX::FXuint states[2] = {0, 0};

    bool has(FX::FXuint state) const { return (states[state / 32] >> (state % 32)) & 1; }
    void set(FX::FXuint state, bool on);
};

class AccessibleTree {
public:
    AccessibleTree(FX::FXApp* app, const AccessibleNames& names);

    // Walks the widgets again. No node is focused afterwards: setFocused says
    // which one is.
    void rebuild();
    void setFocused(FX::FXint index);

    const std::vector<AccessibleNode>& nodes() const { return list; }
    // The node an object path names, or null for a path that names none (any
    // more); the application is node 0.
    const AccessibleNode* find(const char* path) const;
    FX::FXint indexOf(const FX::FXWindow* widget) const;
    std::string pathOf(FX::FXint index) const;
    // The object path of the node numbered id, also once it has left the tree.
    static std::string pathOfId(FX::FXuint id);

    // The shown top-level window that has the keyboard focus, and the widget
    // inside it that has the toolkit's focus: node indexes, or -1.
    FX::FXint activeWindow() const;
    FX::FXint toolkitFocus(FX::FXint window) const;
    // The first checked radio button under a node, or -1.
    FX::FXint checkedRadio(FX::FXint under) const;

private:
    FX::FXint add(FX::FXWindow* widget, FX::FXint parent, FX::FXuint role);
    void walkChildren(FX::FXWindow* container, FX::FXint parent);
    void readWidget(AccessibleNode& node) const;
    std::string nameOf(FX::FXWindow* widget, FX::FXuint role) const;

    FX::FXApp* app;
    const AccessibleNames& names;
    std::vector<AccessibleNode> list;
    // A widget keeps its number as long as it is in the tree; a widget that
    // leaves it loses it, so a new widget at the same address gets a new one.
    std::map<const FX::FXWindow*, FX::FXuint> numbers;
    std::map<FX::FXuint, FX::FXint> byNumber;
    FX::FXuint nextNumber = 1;
};
