// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keys held for the registry's word.
#include "KeyQueue.h"
#include "BusMessages.h"
#include "Protocol.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <time.h>

#include <cctype>

using namespace FX;

namespace {

// How long a key waits for the registry's word. A screen reader written in
// Python answers in 50 to 120 ms on an idle machine, and later when busy: a
// shorter limit would let its own commands through to the window. A
// registry that hangs costs this once, and then nothing until it answers.
const std::uint64_t KEY_LIMIT_USEC = 500000;

const MethodCall NOTIFY_KEY = {atspi::REGISTRY, atspi::CONTROLLER_PATH, atspi::CONTROLLER_INTERFACE,
                               "NotifyListenersSync"};

std::uint64_t monotonicUsec() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000u;
}

bool isKey(const FXRawEvent& event) {
    return event.xany.type == KeyPress || event.xany.type == KeyRelease;
}

} // namespace

FXDEFMAP(KeyQueue)
KeyQueueMap[] = {
    FXMAPFUNC(SEL_TIMEOUT, KeyQueue::ID_LIMIT, KeyQueue::onLimit),
};

FXIMPLEMENT(KeyQueue, FXObject, KeyQueueMap, ARRAYNUMBER(KeyQueueMap))

KeyQueue::KeyQueue(ObservedApp* a) : app(a) {}

KeyQueue::~KeyQueue() {
    if (timing) app->removeTimeout(this, ID_LIMIT);
}

// Everything that comes while a key is held waits behind it, not only the
// user's input: a program that pings the window, or asks for its clipboard,
// after typing is answered after what it typed.
bool KeyQueue::take(const FXRawEvent& event, sd_bus* bus, bool listened) {
    if (!isKey(event) && held.empty()) return false;
    Held entry;
    entry.event = event;
    const bool sent = isKey(event) && bus && listened && !stalled && forward(event, bus, entry);
    if (!sent && held.empty()) return false;
    entry.answered = !sent;
    held.push_back(entry);
    // Behind answered events only, as in a dialog's loop that a delivered
    // click started, it goes on at once with them.
    deliverAnswered();
    return true;
}

bool KeyQueue::forward(const FXRawEvent& event, sd_bus* bus, Held& entry) {
    XKeyEvent key = event.xkey;
    char text[32] = {};
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&key, text, sizeof(text) - 1, &symbol, nullptr);
    const bool isText = length > 0 && std::isprint(static_cast<unsigned char>(text[0]));
    const char* name = XKeysymToString(symbol);
    const char* string = isText ? text : name ? name : "";
    const FXuint type = event.xany.type == KeyPress ? KEY_PRESSED : KEY_RELEASED;
    // The registry reads the key code and the modifiers as 16-bit numbers,
    // whatever its own interface description says; so do the other toolkits.
    // The call has no limit of its own: the limit is the queue's, and a late
    // answer still tells that the registry lives.
    const int r = callLater(
        bus, NOTIFY_KEY, onAnswer, this,
        [&](sd_bus_message* m) {
            return sd_bus_message_append(m, "(uinnisb)", type, static_cast<FXint>(symbol),
                                         static_cast<int16_t>(key.keycode),
                                         static_cast<int16_t>(key.state & 0xFFFF),
                                         static_cast<FXint>(key.time & 0x7FFFFFFF), string, isText);
        },
        UINT64_MAX, true, &entry.cookie);
    entry.sentUsec = monotonicUsec();
    return r >= 0;
}

int KeyQueue::onAnswer(sd_bus_message* reply, void* self, sd_bus_error*) {
    KeyQueue& queue = *static_cast<KeyQueue*>(self);
    const bool alive = isAnswer(reply);
    if (alive) queue.stalled = false;
    std::uint64_t cookie = 0;
    if (sd_bus_message_get_reply_cookie(reply, &cookie) < 0) return 0;
    for (Held& entry : queue.held) {
        if (entry.cookie != cookie) continue;
        int consumed = 0;
        if (alive && !sd_bus_message_is_method_error(reply, nullptr) &&
            sd_bus_message_read(reply, "b", &consumed) < 0)
            consumed = 0;
        entry.answered = true;
        entry.consumed = consumed != 0;
        break;
    }
    return 0;
}

// Each event leaves the queue before it is dispatched: a nested loop that
// its handler runs (a dialog) delivers the rest.
void KeyQueue::deliverAnswered() {
    while (!held.empty() && (held.front().answered || stalled)) {
        Held entry = held.front();
        held.pop_front();
        if (!entry.consumed) app->deliver(entry.event);
    }
    rearmLimit();
}

void KeyQueue::releaseAll() {
    for (Held& entry : held)
        entry.answered = true;
    deliverAnswered();
}

void KeyQueue::registryChanged() {
    stalled = false;
}

void KeyQueue::rearmLimit() {
    const bool waiting = !held.empty() && !held.front().answered;
    if (timing && !waiting) app->removeTimeout(this, ID_LIMIT);
    timing = waiting;
    if (!waiting) return;
    const std::uint64_t now = monotonicUsec();
    const std::uint64_t due = held.front().sentUsec + KEY_LIMIT_USEC;
    app->addTimeout(this, ID_LIMIT, due > now ? static_cast<FXuint>((due - now + 999) / 1000) : 0);
}

// The head missed the limit: the registry is taken for stalled, and every
// held event goes on to the window.
long KeyQueue::onLimit(FXObject*, FXSelector, void*) {
    timing = false;
    if (!held.empty() && !held.front().answered &&
        monotonicUsec() >= held.front().sentUsec + KEY_LIMIT_USEC)
        stalled = true;
    deliverAnswered();
    return 1;
}
