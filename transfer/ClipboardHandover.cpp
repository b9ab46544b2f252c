// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Handing the clipboard to the desktop's clipboard manager at quit. X keeps no
// copy of a selection: its owner serves it, so a copied value would go with
// the window. A clipboard manager, the owner of CLIPBOARD_MANAGER, keeps it
// when asked: the owner converts CLIPBOARD_MANAGER to SAVE_TARGETS, the
// manager asks the owner for its targets and their data (several at once
// through MULTIPLE), takes the clipboard over and then answers the conversion.
//
// While the manager takes the text, the calculator is on its way out: this
// waits on the display itself and picks out only the selection events, so no
// click or key is handled any more, and answers the requests with exactly the
// text, under the types every paste gets it as. Everything else stays queued
// for the toolkit, which ends without reading it.
#include "AppWindow.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <vector>

using namespace FX;

namespace {

// A manager that never answers is given one second. Taking the few bytes of a
// copy costs it two requests and milliseconds, also on a busy machine; the
// window is gone from the screen from the start, so the user waits for
// nothing, and a session that is ending is not held up noticeably.
constexpr std::chrono::milliseconds HANDOVER_LIMIT(1000);

struct HandoverAtoms {
    Atom clipboard, manager, saveTargets, targets, multiple, atomPair;
};

struct HandoverSession {
    Display* display;
    Window owner;                // the window that holds the clipboard and asks the manager
    const FXString& text;        // what every request gets
    const FXDragType* textTypes; // the types the text is offered under
    HandoverAtoms atoms;
};

// Only the events of the handover leave the queue.
Bool isSelectionEvent(Display*, XEvent* event, XPointer) {
    return event->type == SelectionRequest || event->type == SelectionNotify;
}

// Puts one target's answer on the requestor's property; false for a target
// the calculator does not give. The manager keeps the types offered here,
// those of every copy, each with the same bytes (the displays hold ASCII
// alone) that a paste of it gets.
bool put(const HandoverSession& h, Window requestor, Atom target, Atom property) {
    const FXDragType* types = h.textTypes;
    const FXDragType* typesEnd = h.textTypes + AppWindow::TEXT_TYPES;
    if (target == h.atoms.targets) {
        std::vector<Atom> offered = {h.atoms.targets, h.atoms.multiple};
        offered.insert(offered.end(), types, typesEnd);
        XChangeProperty(h.display, requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(offered.data()),
                        int(offered.size()));
        return true;
    }
    if (std::find(types, typesEnd, target) == typesEnd) return false;
    XChangeProperty(h.display, requestor, property, target, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(h.text.text()), h.text.length());
    return true;
}

// MULTIPLE names pairs of target and property; a pair whose target is not
// given gets None for its property, as the requestor then learns.
bool putMultiple(const HandoverSession& h, Window requestor, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(h.display, requestor, property, 0, 1024, False, h.atoms.atomPair, &type,
                           &format, &count, &after, &data) != Success)
        return false;
    std::vector<Atom> pairs;
    if (data && format == 32) {
        const Atom* listed = reinterpret_cast<const Atom*>(data);
        pairs.assign(listed, listed + count - count % 2);
    }
    if (data) XFree(data);
    if (pairs.empty()) return false;
    for (std::size_t i = 0; i < pairs.size(); i += 2)
        if (pairs[i + 1] == None || !put(h, requestor, pairs[i], pairs[i + 1])) pairs[i + 1] = None;
    XChangeProperty(h.display, requestor, property, h.atoms.atomPair, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(pairs.data()), int(pairs.size()));
    return true;
}

// Answers a request as the toolkit would: the clipboard's targets or text,
// and a refusal for anything else, so that no requestor waits in vain.
void answer(const HandoverSession& h, const XSelectionRequestEvent& request) {
    // Old requestors name no property and mean the target's own name.
    Atom property = request.property != None ? request.property : request.target;
    bool given = false;
    if (request.selection == h.atoms.clipboard && request.owner == h.owner)
        given = request.target == h.atoms.multiple
                    ? request.property != None && putMultiple(h, request.requestor, property)
                    : put(h, request.requestor, request.target, property);
    XEvent reply = {};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.property = given ? property : None;
    reply.xselection.time = request.time;
    XSendEvent(h.display, request.requestor, False, NoEventMask, &reply);
}

// Serves the manager until it answers the SAVE_TARGETS conversion or the time
// is up.
AppWindow::Handover awaitManager(const HandoverSession& h) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + HANDOVER_LIMIT;
    for (;;) {
        XEvent event;
        // Also flushes what was sent and reads what has arrived.
        while (XCheckIfEvent(h.display, &event, isSelectionEvent, nullptr)) {
            if (event.type == SelectionRequest) {
                answer(h, event.xselectionrequest);
                XFlush(h.display);
            } else if (event.xselection.requestor == h.owner &&
                       event.xselection.selection == h.atoms.manager) {
                return event.xselection.property == None ? AppWindow::HANDOVER_REFUSED
                                                         : AppWindow::HANDOVER_SAVED;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return AppWindow::HANDOVER_NO_ANSWER;
        pollfd connection = {ConnectionNumber(h.display), POLLIN, 0};
        poll(&connection, 1, int(left.count()) + 1);
    }
}

} // namespace

AppWindow::Handover AppWindow::handOverClipboard() {
    if (!id()) return HANDOVER_NOT_OURS;
    Display* display = static_cast<Display*>(getApp()->getDisplay());
    const Window owner = id();
    // Whether the clipboard is still ours, the server alone knows: another
    // program may have taken it since the last copy.
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    if (XGetSelectionOwner(display, clipboard) != owner) return HANDOVER_NOT_OURS;
    const Atom manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
    if (XGetSelectionOwner(display, manager) == None) return HANDOVER_NO_MANAGER;

    const HandoverSession h = {display,
                               owner,
                               clipText,
                               textTypes,
                               {clipboard, manager, XInternAtom(display, "SAVE_TARGETS", False),
                                XInternAtom(display, "TARGETS", False),
                                XInternAtom(display, "MULTIPLE", False),
                                XInternAtom(display, "ATOM_PAIR", False)}};
    // The window leaves the screen at once; it keeps the clipboard until it is
    // destroyed, after the manager has answered.
    hide();
    // No list of targets on the property: the manager saves every target.
    XConvertSelection(display, manager, h.atoms.saveTargets, h.atoms.saveTargets, owner,
                      CurrentTime);
    return awaitManager(h);
}
