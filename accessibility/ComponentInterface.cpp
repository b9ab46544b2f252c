// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Component: where each widget is on the screen, taken from
// its own window. Nothing here moves, resizes or focuses anything: a request
// to is answered false.
#include "Interfaces.h"
#include "WidgetRoles.h"

using namespace FX;

namespace {

enum CoordType : FXuint { COORD_SCREEN = 0, COORD_WINDOW = 1, COORD_PARENT = 2 };
enum Layer : FXuint { LAYER_WIDGET = 3, LAYER_WINDOW = 7 };

struct Box {
    FXint x = 0, y = 0, w = 0, h = 0;
    bool contains(FXint px, FXint py) const {
        // Compared in 64 bits: a caller's point may be anywhere in 32.
        return static_cast<long long>(px) >= x && static_cast<long long>(py) >= y &&
               static_cast<long long>(px) < static_cast<long long>(x) + w &&
               static_cast<long long>(py) < static_cast<long long>(y) + h;
    }
};

// Position inside its top-level window, from the toolkit's own layout.
Box windowBox(const AccessibleTree& tree, FXint index) {
    Box box;
    const AccessibleNode& node = tree.nodes()[index];
    if (!node.widget) return box;
    box.w = node.widget->getWidth();
    box.h = node.widget->getHeight();
    if (node.widget->isMemberOf(FXMETACLASS(FXShell))) return box;
    for (const FXWindow* w = node.widget; w && !w->isMemberOf(FXMETACLASS(FXShell));
         w = w->getParent()) {
        box.x += w->getX();
        box.y += w->getY();
    }
    return box;
}

const FXWindow* topOf(const FXWindow* widget) {
    while (widget && !widget->isMemberOf(FXMETACLASS(FXShell)))
        widget = widget->getParent();
    return widget;
}

bool boxIn(void* userdata, FXint index, FXuint type, Box& box, sd_bus_error* error) {
    const AccessibilityBridge& bridge = bridgeOf(userdata);
    const AccessibleTree& tree = bridge.tree();
    if (type > COORD_PARENT) return refuse(error, "unknown coordinate type"), false;
    box = windowBox(tree, index);
    const AccessibleNode& node = tree.nodes()[index];
    const bool parentIsWindow = node.parent > 0;
    if (type == COORD_PARENT && parentIsWindow) {
        const Box parent = windowBox(tree, node.parent);
        const bool parentIsTop = tree.nodes()[node.parent].widget->isMemberOf(FXMETACLASS(FXShell));
        if (!parentIsTop) {
            box.x -= parent.x;
            box.y -= parent.y;
        }
        return true;
    }
    if (type == COORD_WINDOW) return true;
    const FXWindow* top = topOf(node.widget);
    if (top && top->id()) {
        FXint rootX = 0, rootY = 0;
        top->translateCoordinatesTo(rootX, rootY, bridge.application()->getRootWindow(), 0, 0);
        box.x += rootX;
        box.y += rootY;
    }
    return true;
}

// The node of a call and its place in the tree.
#define NODE_INDEX_OR_FAIL(call)                                                                   \
    NODE_OR_FAIL(sd_bus_message_get_path(call));                                                   \
    const FXint index = nodeIndex(userdata, node)

int contains(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    FXint x = 0, y = 0;
    FXuint type = 0;
    int r = sd_bus_message_read(call, "iiu", &x, &y, &type);
    if (r < 0) return r;
    Box box;
    if (!boxIn(userdata, index, type, box, error)) return -EINVAL;
    return sd_bus_reply_method_return(call, "b", box.contains(x, y));
}

// The deepest node under this one whose box holds the point.
FXint nodeAt(void* userdata, FXint index, FXint x, FXint y, FXuint type, sd_bus_error* error) {
    const AccessibleTree& tree = bridgeOf(userdata).tree();
    for (FXint child : tree.nodes()[index].children) {
        Box box;
        if (!boxIn(userdata, child, type == COORD_PARENT ? COORD_WINDOW : type, box, error))
            return -2;
        if (!box.contains(x, y)) continue;
        const FXint inner = nodeAt(userdata, child, x, y, type, error);
        return inner == -1 ? child : inner;
    }
    return -1;
}

int getAccessibleAtPoint(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    FXint x = 0, y = 0;
    FXuint type = 0;
    int r = sd_bus_message_read(call, "iiu", &x, &y, &type);
    if (r < 0) return r;
    if (type > COORD_PARENT) return refuse(error, "unknown coordinate type");
    if (type == COORD_PARENT) {
        // A point relative to this node: made relative to its window.
        const Box own = windowBox(bridgeOf(userdata).tree(), index);
        x = static_cast<FXint>(static_cast<unsigned>(x) + static_cast<unsigned>(own.x));
        y = static_cast<FXint>(static_cast<unsigned>(y) + static_cast<unsigned>(own.y));
    }
    const FXint found = nodeAt(userdata, index, x, y, type, error);
    if (found == -2) return -EINVAL;
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = bridgeOf(userdata).appendReference(reply, found);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int getExtents(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    FXuint type = 0;
    int r = sd_bus_message_read(call, "u", &type);
    if (r < 0) return r;
    Box box;
    if (!boxIn(userdata, index, type, box, error)) return -EINVAL;
    return sd_bus_reply_method_return(call, "(iiii)", box.x, box.y, box.w, box.h);
}

int getPosition(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    FXuint type = 0;
    int r = sd_bus_message_read(call, "u", &type);
    if (r < 0) return r;
    Box box;
    if (!boxIn(userdata, index, type, box, error)) return -EINVAL;
    return sd_bus_reply_method_return(call, "ii", box.x, box.y);
}

int getSize(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    const Box box = windowBox(bridgeOf(userdata).tree(), index);
    return sd_bus_reply_method_return(call, "ii", box.w, box.h);
}

int getLayer(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    (void)index;
    const bool window = node->role == ROLE_FRAME || node->role == ROLE_DIALOG;
    return sd_bus_reply_method_return(call, "u", window ? LAYER_WINDOW : LAYER_WIDGET);
}

int getMdiZOrder(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    (void)index;
    return sd_bus_reply_method_return(call, "n", static_cast<int16_t>(-1));
}

int getAlpha(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    (void)index;
    return sd_bus_reply_method_return(call, "d", 1.0);
}

// Focus, place and size belong to the user and the window manager.
int declined(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    (void)index;
    return sd_bus_reply_method_return(call, "b", 0);
}

} // namespace

int findComponent(sd_bus*, const char* path, const char*, void* bridge, void** found,
                  sd_bus_error*) {
    const AccessibleNode* node = bridgeOf(bridge).tree().find(path);
    if (!node || !node->widget) return 0;
    *found = bridge;
    return 1;
}

const sd_bus_vtable COMPONENT_VTABLE[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Contains", "iiu", "b", contains, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetAccessibleAtPoint", "iiu", "(so)", getAccessibleAtPoint,
                  SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetExtents", "u", "(iiii)", getExtents, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetPosition", "u", "ii", getPosition, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetSize", "", "ii", getSize, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetLayer", "", "u", getLayer, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetMDIZOrder", "", "n", getMdiZOrder, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GrabFocus", "", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetAlpha", "", "d", getAlpha, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SetExtents", "iiiiu", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SetPosition", "iiu", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SetSize", "ii", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("ScrollTo", "u", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("ScrollToPoint", "uii", "b", declined, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};
