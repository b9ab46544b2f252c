// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the accessibility bus is shown of the program: the application, its
// shown top-level windows and, under each, the widgets that have a role, read
// off the toolkit's widget tree. A walk is a snapshot: it holds each widget's
// name, description, states and place as they were, and the walk before it is
// kept, so the two tell what changed. Toolkit only: nothing here knows a bus.
#pragma once

#include <fx.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "AccessibleNameTable.h"
#include "AccessibleNode.h"
#include "ObjectIds.h"

class AccessibleTree {
public:
    AccessibleTree(FX::FXApp* app, const AccessibleNames& names);

    // Walks the widgets again; the walk before becomes previous(). No node is
    // focused afterwards: setFocused says which one is.
    void rebuild();
    void setFocused(FX::FXint index);
    // Gives each window of this walk the activity it had in the walk before.
    void keepActivity();
    // Forgets every walk, as when nobody listens any more.
    void clear();
    // Gives a node a description of the program's own, in this walk and the
    // next ones, until forgetDescription; one node at a time.
    void setDescription(FX::FXint index, const std::string& text);
    void forgetDescription() { described = 0; }
    FX::FXuint describedId() const { return described; }

    const std::vector<AccessibleNode>& nodes() const { return list; }
    const std::vector<AccessibleNode>& previous() const { return before; }
    // The node an object path names, or null for a path that names none (any
    // more); the application is node 0.
    const AccessibleNode* find(const char* path) const;
    const AccessibleNode* byId(FX::FXuint id) const;
    FX::FXint indexOf(const FX::FXWindow* widget) const;
    std::string pathOf(FX::FXint index) const;

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
    std::vector<AccessibleNode> before;
    std::unordered_map<FX::FXuint, FX::FXint> byNumber; // node index of each number in list
    ObjectIds ids;
    FX::FXuint described = 0; // the node whose description is the program's own
    std::string description;
};
