// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks made for callers on the bus, with a fresh time of the window system.
#include "WidgetClick.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace FX;

namespace {

FXWindow* shellOf(FXWindow* widget) {
    while (widget && !widget->isMemberOf(FXMETACLASS(FXShell)))
        widget = widget->getParent();
    return widget;
}

bool holds(const FXWindow* container, const FXWindow* widget) {
    for (const FXWindow* child = container->getFirst(); child; child = child->getNext())
        if (child == widget || holds(child, widget)) return true;
    return false;
}

} // namespace

bool WidgetClick::exists(const FXWindow* widget) const {
    return widget && app->getRootWindow() && holds(app->getRootWindow(), widget);
}

bool WidgetClick::request(FXWindow* widget) {
    target = nullptr;
    FXWindow* shell = shellOf(widget);
    Display* display = static_cast<Display*>(app->getDisplay());
    if (!shell || !shell->id() || !display) {
        click(widget);
        return false;
    }
    target = widget;
    if (!stampAtom) stampAtom = XInternAtom(display, "_VYX_CLICK_TIME", False);
    stampWindow = shell->id();
    // The toolkit's own events stay selected; property notices are added.
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, stampWindow, &attributes))
        XSelectInput(display, stampWindow, attributes.your_event_mask | PropertyChangeMask);
    XChangeProperty(display, stampWindow, stampAtom, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XFlush(display);
    return true;
}

FXWindow* WidgetClick::due(const FXRawEvent& event) {
    if (!exists(target)) {
        target = nullptr;
        return nullptr;
    }
    if (event.xany.type != PropertyNotify || event.xproperty.window != stampWindow ||
        event.xproperty.atom != stampAtom)
        return nullptr;
    FXWindow* widget = target;
    target = nullptr;
    return widget;
}

// The road of a click of the mouse: the widget is pressed and released over
// its middle, and acts as it always does on that (takes the focus, checks
// itself, sends its message to its target). A modal dialog blocks clicks on
// the windows it stands over, as it blocks the mouse.
void WidgetClick::click(FXWindow* widget) {
    if (!exists(widget) || !widget->isEnabled() || !widget->shown() || !widget->id()) return;
    FXWindow* modal = app->getModalWindow();
    if (modal && !modal->isOwnerOf(widget)) return;
    FXEvent event;
    event.type = SEL_LEFTBUTTONPRESS;
    event.code = LEFTBUTTON;
    event.win_x = event.click_x = widget->getWidth() / 2;
    event.win_y = event.click_y = widget->getHeight() / 2;
    widget->translateCoordinatesTo(event.root_x, event.root_y, app->getRootWindow(), event.win_x,
                                   event.win_y);
    event.rootclick_x = event.root_x;
    event.rootclick_y = event.root_y;
    event.last_x = event.win_x;
    event.last_y = event.win_y;
    event.state = 0;
    event.click_button = LEFTBUTTON;
    event.click_count = 1;
    event.moved = false;
    event.synthetic = true;
    event.time = 0;
    event.click_time = 0;
    event.rect = FXRectangle(0, 0, 0, 0);
    event.target = 0;
    widget->handle(widget, FXSEL(SEL_LEFTBUTTONPRESS, 0), &event);
    // The press may have changed the tree (a widget may act on press); the
    // release goes only to a widget that is still there.
    if (!exists(widget)) return;
    event.type = SEL_LEFTBUTTONRELEASE;
    event.state = LEFTBUTTONMASK;
    widget->handle(widget, FXSEL(SEL_LEFTBUTTONRELEASE, 0), &event);
}
