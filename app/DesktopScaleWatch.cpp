// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The events that tell of a new desktop resolution, and the window following it.
#include "DesktopScaleWatch.h"

#include "AppWindow.h"
#include "DesktopResolution.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace FX;

FXDEFMAP(DesktopScaleWatch)
DesktopScaleWatchMap[] = {
    FXMAPFUNC(SEL_CHORE, DesktopScaleWatch::ID_CHANGED, DesktopScaleWatch::onChanged),
};

FXIMPLEMENT(DesktopScaleWatch, FXObject, DesktopScaleWatchMap, ARRAYNUMBER(DesktopScaleWatchMap))

DesktopScaleWatch::DesktopScaleWatch(AppWindow* w) : window(w) {}

DesktopScaleWatch::~DesktopScaleWatch() {
    if (window) window->getApp()->removeChore(this, ID_CHANGED);
}

void DesktopScaleWatch::start() {
    Display* d = static_cast<Display*>(window->getApp()->getDisplay());
    if (d == nullptr) return;
    display = d;
    root = DefaultRootWindow(d);
    // The root's resources change as properties do; a new settings manager
    // announces itself to the root's structure listeners. What the toolkit
    // listens for on the root already stays.
    XWindowAttributes attributes{};
    XGetWindowAttributes(d, root, &attributes);
    XSelectInput(d, root, attributes.your_event_mask | PropertyChangeMask | StructureNotifyMask);
    atoms = xsettingsAtoms(display);
    followManager();
    changed();
}

void DesktopScaleWatch::followManager() {
    settingsWindow = xsettingsOwner(display, atoms, true);
}

void DesktopScaleWatch::notice(const FXRawEvent& event) {
    if (display == nullptr) return;
    switch (event.type) {
    case PropertyNotify:
        if (event.xproperty.window == root && event.xproperty.atom == XA_RESOURCE_MANAGER)
            changed();
        else if (settingsWindow != 0 && event.xproperty.window == settingsWindow &&
                 event.xproperty.atom == atoms.property)
            changed();
        break;
    case ClientMessage:
        // The announcement names the selection the new manager took.
        if (event.xclient.window == root && event.xclient.message_type == atoms.manager &&
            static_cast<unsigned long>(event.xclient.data.l[1]) == atoms.selection) {
            followManager();
            changed();
        }
        break;
    case DestroyNotify:
        // Without its manager, the resources alone say the resolution.
        if (settingsWindow != 0 && event.xdestroywindow.window == settingsWindow) {
            settingsWindow = 0;
            changed();
        }
        break;
    default:
        break;
    }
}

void DesktopScaleWatch::changed() {
    // A chore already waiting is moved, not doubled.
    window->getApp()->addChore(this, ID_CHANGED);
}

long DesktopScaleWatch::onChanged(FXObject*, FXSelector, void*) {
    FXApp* application = window->getApp();
    // No usable value is the toolkit's own resolution, as at start.
    const FXuint resolution = currentDesktopResolution(*application).value_or(TOOLKIT_RESOLUTION);
    if (replaceScreenResolution(application->reg(), resolution)) window->rescale();
    return 1;
}
