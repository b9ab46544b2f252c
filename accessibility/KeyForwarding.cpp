// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Key presses and releases shown to the registry's device event controller
// before the window sees them, as toolkits do: a screen reader hears typed
// keys there and may keep one that is a command of its own, which then goes
// nowhere else. While the registry decides, calls from the bus are still
// answered (the screen reader may ask about the focused widget first); a
// registry that does not answer in time gets no more keys until another one
// takes its place.
#include "AccessibilityBridge.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <time.h>

#include <cctype>
#include <cstdint>

using namespace FX;

namespace {

// How long a key waits for the registry's word.
const std::uint64_t KEY_WAIT_USEC = 500000;

enum KeyEventType : FXuint { KEY_PRESSED = 0, KEY_RELEASED = 1 };

std::uint64_t monotonicUsec() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1000u;
}

struct KeyAnswer {
    bool done = false;
    int consumed = 0;
};

int onKeyAnswer(sd_bus_message* reply, void* answer, sd_bus_error*) {
    KeyAnswer& a = *static_cast<KeyAnswer*>(answer);
    a.done = true;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_read(reply, "b", &a.consumed) < 0)
        a.consumed = 0;
    return 0;
}

} // namespace

bool AccessibilityBridge::forwardKey(const FXRawEvent& event) {
    const int type = event.xany.type;
    if ((type != KeyPress && type != KeyRelease) || keysStalled) return false;
    sd_bus* bus = accessibilityPump.bus();
    XKeyEvent key = event.xkey;
    char text[32] = {};
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&key, text, sizeof(text) - 1, &symbol, nullptr);
    const bool isText = length > 0 && std::isprint(static_cast<unsigned char>(text[0]));
    const char* name = XKeysymToString(symbol);
    const char* string = isText ? text : name ? name : "";

    sd_bus_message* call = nullptr;
    sd_bus_slot* slot = nullptr;
    KeyAnswer answer;
    int r = sd_bus_message_new_method_call(
        bus, &call, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry/deviceeventcontroller",
        "org.a11y.atspi.DeviceEventController", "NotifyListenersSync");
    if (r >= 0)
        // The registry reads the key code and the modifiers as 16-bit numbers,
        // whatever its own interface description says; so do libatspi and Qt.
        r = sd_bus_message_append(call, "(uinnisb)", type == KeyPress ? KEY_PRESSED : KEY_RELEASED,
                                  static_cast<FXint>(symbol), static_cast<int16_t>(key.keycode),
                                  static_cast<int16_t>(key.state & 0xFFFF),
                                  static_cast<FXint>(key.time & 0x7FFFFFFF), string, isText);
    if (r >= 0) r = sd_bus_call_async(bus, &slot, call, onKeyAnswer, &answer, KEY_WAIT_USEC);
    sd_bus_message_unref(call);
    if (r < 0) return false;

    const std::uint64_t deadline = monotonicUsec() + KEY_WAIT_USEC;
    while (!answer.done) {
        bus = accessibilityPump.bus();
        if (!bus) break;
        r = sd_bus_process(bus, nullptr);
        if (r < 0) {
            lost = true;
            break;
        }
        if (r > 0) continue;
        const std::uint64_t now = monotonicUsec();
        if (now >= deadline) break;
        pollfd watch{sd_bus_get_fd(bus), static_cast<short>(sd_bus_get_events(bus)), 0};
        if (watch.events < 0) watch.events = POLLIN;
        poll(&watch, 1, static_cast<int>((deadline - now + 999) / 1000));
    }
    // The answer's callback points at this frame: it must not outlive it.
    sd_bus_slot_unref(slot);
    if (!answer.done) keysStalled = true;
    accessibilityPump.rearm();
    return answer.consumed != 0;
}
