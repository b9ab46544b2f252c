// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison of two walks of the widget tree.
#include "TreeDiff.h"
#include "Protocol.h"

#include <unordered_map>

using namespace FX;

const FXuint SIGNALLED_STATES[] = {
    A11Y_ACTIVE, A11Y_CHECKED,   A11Y_ENABLED, A11Y_SENSITIVE, A11Y_FOCUSABLE,
    A11Y_MODAL,  A11Y_RESIZABLE, A11Y_SHOWING, A11Y_VISIBLE,   A11Y_CHECKABLE,
};
const std::size_t SIGNALLED_STATE_COUNT = sizeof(SIGNALLED_STATES) / sizeof(SIGNALLED_STATES[0]);

bool TreeEvent::operator==(const TreeEvent& o) const {
    return kind == o.kind && source == o.source && child == o.child && index == o.index &&
           state == o.state && on == o.on && window == o.window && text == o.text && box == o.box;
}

namespace {

using Index = std::unordered_map<FXuint, FXint>;

Index byId(const std::vector<AccessibleNode>& nodes) {
    Index index;
    for (FXint i = 0; i < static_cast<FXint>(nodes.size()); i++)
        index[nodes[i].id] = i;
    return index;
}

FXint focusedIn(const std::vector<AccessibleNode>& nodes) {
    for (FXint i = 0; i < static_cast<FXint>(nodes.size()); i++)
        if (nodes[i].has(A11Y_FOCUSED)) return i;
    return -1;
}

// The node of the same number in the other walk, or null.
const AccessibleNode* counterpart(const std::vector<AccessibleNode>& other, const Index& index,
                                  FXuint id) {
    auto it = index.find(id);
    return it == index.end() ? nullptr : &other[it->second];
}

TreeEvent event(TreeEvent::Kind kind, FXuint source) {
    TreeEvent e{};
    e.kind = kind;
    e.source = source;
    return e;
}

TreeEvent stateEvent(FXuint source, FXuint state, bool on, bool window) {
    TreeEvent e = event(TreeEvent::STATE_CHANGED, source);
    e.state = state;
    e.on = on;
    e.window = window;
    return e;
}

// A child that left its parent or came to it, at its index there.
TreeEvent childEvent(TreeEvent::Kind kind, FXuint parent, const AccessibleNode& child) {
    TreeEvent e = event(kind, parent);
    e.child = child.id;
    e.index = child.indexInParent;
    return e;
}

// Whether a node is in a walk under the parent of this number.
bool isUnder(const AccessibleNode* node, const std::vector<AccessibleNode>& walk, FXuint parent) {
    return node && node->parent >= 0 && walk[node->parent].id == parent;
}

// Children that left a node, or came to it: the same child under another
// parent left one and came to the other.
void childrenChanged(const std::vector<AccessibleNode>& before, const Index& was,
                     const std::vector<AccessibleNode>& now, const Index& is,
                     std::vector<TreeEvent>& events) {
    for (const AccessibleNode& node : now) {
        const AccessibleNode* prior = counterpart(before, was, node.id);
        if (!prior) continue;
        for (FXint child : prior->children) {
            const AccessibleNode* still = counterpart(now, is, before[child].id);
            if (isUnder(still, now, node.id)) continue;
            events.push_back(childEvent(TreeEvent::CHILD_REMOVED, node.id, before[child]));
            if (node.role == ROLE_APPLICATION)
                events.push_back(event(TreeEvent::WINDOW_DESTROYED, before[child].id));
            if (!still) events.push_back(stateEvent(before[child].id, A11Y_DEFUNCT, true, false));
        }
        for (FXint child : node.children) {
            if (isUnder(counterpart(before, was, now[child].id), before, node.id)) continue;
            events.push_back(childEvent(TreeEvent::CHILD_ADDED, node.id, now[child]));
            if (node.role != ROLE_APPLICATION) continue;
            events.push_back(event(TreeEvent::WINDOW_CREATED, now[child].id));
            if (now[child].has(A11Y_ACTIVE))
                events.push_back(stateEvent(now[child].id, A11Y_ACTIVE, true, true));
        }
    }
}

} // namespace

std::vector<TreeEvent> diffTrees(const std::vector<AccessibleNode>& before,
                                 const std::vector<AccessibleNode>& now) {
    std::vector<TreeEvent> events;
    const Index was = byId(before), is = byId(now);
    childrenChanged(before, was, now, is, events);

    for (const AccessibleNode& node : now) {
        const AccessibleNode* prior = counterpart(before, was, node.id);
        if (!prior) continue;
        if (prior->name != node.name) {
            events.push_back(event(TreeEvent::NAME_CHANGED, node.id));
            events.back().text = node.name;
        }
        if (prior->description != node.description) {
            events.push_back(event(TreeEvent::DESCRIPTION_CHANGED, node.id));
            events.back().text = node.description;
        }
    }
    for (const AccessibleNode& node : now) {
        const AccessibleNode* prior = counterpart(before, was, node.id);
        if (!prior) continue;
        for (std::size_t k = 0; k < SIGNALLED_STATE_COUNT; k++) {
            const FXuint state = SIGNALLED_STATES[k];
            if (prior->has(state) != node.has(state))
                events.push_back(stateEvent(node.id, state, node.has(state), node.parent == 0));
        }
    }
    for (const AccessibleNode& node : now) {
        const AccessibleNode* prior = counterpart(before, was, node.id);
        if (!prior || prior->box == node.box || node.role == ROLE_APPLICATION) continue;
        events.push_back(event(TreeEvent::BOUNDS_CHANGED, node.id));
        events.back().box = node.box;
    }

    const FXint oldFocus = focusedIn(before), newFocus = focusedIn(now);
    const FXuint oldId = oldFocus >= 0 ? before[oldFocus].id : 0;
    const FXuint newId = newFocus >= 0 ? now[newFocus].id : 0;
    if (oldFocus >= 0 && (newFocus < 0 || oldId != newId) && is.count(oldId))
        events.push_back(event(TreeEvent::FOCUS_LEFT, oldId));
    if (newFocus >= 0 && (oldFocus < 0 || oldId != newId))
        events.push_back(event(TreeEvent::FOCUS_CAME, newId));
    return events;
}
