// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Component: where each widget is on the screen, taken from
// its own window. Nothing here moves, resizes or focuses anything: a request
// to is answered false.
#include "Interfaces.h"

#include <functional>
#include "WidgetRoles.h"

using namespace FX;

namespace {

enum CoordType : FXuint { COORD_SCREEN = 0, COORD_WINDOW = 1, COORD_PARENT = 2 };
enum Layer : FXuint { LAYER_WIDGET = 3, LAYER_WINDOW = 7 };

const FXWindow* topOf(const FXWindow* widget) {
    while (widget && !widget->isMemberOf(FXMETACLASS(FXShell)))
        widget = widget->getParent();
    return widget;
}

// The box of a node in the coordinates asked for: the screen's, its
// window's or its parent's. The place on the screen is asked of the window
// system each time: a window may move without any event of ours.
bool boxIn(void* userdata, FXint index, FXuint type, Box& box, sd_bus_error* error) {
    const ObjectServer& server = serverOf(userdata);
    const AccessibleTree& tree = server.tree();
    if (type > COORD_PARENT) return refuse(error, "unknown coordinate type"), false;
    const AccessibleNode& node = tree.nodes()[index];
    box = node.box;
    if (type == COORD_PARENT && node.parent > 0) {
        const AccessibleNode& parent = tree.nodes()[node.parent];
        if (parent.parent > 0) {
            box.x -= parent.box.x;
            box.y -= parent.box.y;
        }
        return true;
    }
    if (type == COORD_WINDOW) return true;
    const FXWindow* top = topOf(node.widget);
    if (top && top->id()) {
        FXint rootX = 0, rootY = 0;
        top->translateCoordinatesTo(rootX, rootY, server.application()->getRootWindow(), 0, 0);
        box.x += rootX;
        box.y += rootY;
    }
    return true;
}

// The node of a call and its place in the tree.
#define NODE_INDEX_OR_FAIL(call)                                                                   \
    NODE_OR_FAIL(sd_bus_message_get_path(call));                                                   \
    const FXint index = serverOf(userdata).indexOf(node)

// A point and the coordinates it is in, as a call gives them.
struct Point {
    FXint x = 0, y = 0;
    FXuint type = 0;
    int read(sd_bus_message* call) { return sd_bus_message_read(call, "iiu", &x, &y, &type); }
};

int contains(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    Point point;
    Box box;
    const int r = point.read(call);
    if (r < 0) return r;
    if (!boxIn(userdata, index, point.type, box, error)) return -EINVAL;
    return sd_bus_reply_method_return(call, "b", box.contains(point.x, point.y));
}

// The deepest node under this one whose box holds the point.
FXint nodeAt(void* userdata, FXint index, FXint x, FXint y, FXuint type, sd_bus_error* error) {
    const AccessibleTree& tree = serverOf(userdata).tree();
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
    Point point;
    const int r = point.read(call);
    if (r < 0) return r;
    FXint x = point.x, y = point.y;
    const FXuint type = point.type;
    if (type > COORD_PARENT) return refuse(error, "unknown coordinate type");
    if (type == COORD_PARENT) {
        // A point relative to this node: made relative to its window.
        const Box own = node->box;
        x = static_cast<FXint>(static_cast<unsigned>(x) + static_cast<unsigned>(own.x));
        y = static_cast<FXint>(static_cast<unsigned>(y) + static_cast<unsigned>(own.y));
    }
    const FXint found = nodeAt(userdata, index, x, y, type, error);
    if (found == -2) return -EINVAL;
    return replyWith(call, [&](sd_bus_message* reply) {
        return serverOf(userdata).appendReference(reply, found);
    });
}

// Answers with the node's box in the coordinates the call asks for.
int replyWithBox(sd_bus_message* call, void* userdata, sd_bus_error* error,
                 const std::function<int(sd_bus_message*, const Box&)>& fill) {
    NODE_INDEX_OR_FAIL(call);
    FXuint type = 0;
    const int r = sd_bus_message_read(call, "u", &type);
    if (r < 0) return r;
    Box box;
    if (!boxIn(userdata, index, type, box, error)) return -EINVAL;
    return replyWith(call, [&](sd_bus_message* reply) { return fill(reply, box); });
}

int getExtents(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    return replyWithBox(call, userdata, error, [](sd_bus_message* reply, const Box& box) {
        return sd_bus_message_append(reply, "(iiii)", box.x, box.y, box.w, box.h);
    });
}

int getPosition(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    return replyWithBox(call, userdata, error, [](sd_bus_message* reply, const Box& box) {
        return sd_bus_message_append(reply, "ii", box.x, box.y);
    });
}

int getSize(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_INDEX_OR_FAIL(call);
    (void)index;
    return sd_bus_reply_method_return(call, "ii", node->box.w, node->box.h);
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
