// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's accessibility status and the accessibility bus's address.
#include "StatusWatch.h"
#include "BusMessages.h"
#include "Protocol.h"

#include <cstdlib>
#include <cstring>

using namespace FX;

namespace {

// Messages served in one go before the window's events get their turn again.
const int MESSAGES_PER_TURN = 64;

const MethodCall GET_OWNER = {atspi::DBUS_SERVICE, atspi::DBUS_PATH, atspi::DBUS_INTERFACE,
                              "GetNameOwner"};
const MethodCall GET_STATUS = {atspi::STATUS_SERVICE, atspi::STATUS_PATH,
                               atspi::PROPERTIES_INTERFACE, "GetAll"};
const MethodCall GET_ADDRESS = {atspi::STATUS_SERVICE, atspi::STATUS_PATH,
                                atspi::LAUNCHER_INTERFACE, "GetAddress"};

StatusWatch& watchOf(void* self) {
    return *static_cast<StatusWatch*>(self);
}

} // namespace

StatusWatch::StatusWatch(FXApp* app, std::function<void()> c)
    : pump(app, [this] { process(); }), changed(std::move(c)) {}

StatusWatch::~StatusWatch() {
    sd_bus* session = pump.bus();
    pump.detach();
    if (session) {
        sd_bus_close(session);
        sd_bus_unref(session);
    }
}

bool StatusWatch::open() {
    sd_bus* session = nullptr;
    if (sd_bus_open_user(&session) < 0) return false;
    watchOwner(session, atspi::STATUS_SERVICE, onOwnerChanged, this);
    // Taken from anyone by the bus, and from the status's own service alone
    // here: another program's word is not the desktop's.
    const std::string match = std::string("type='signal',path='") + atspi::STATUS_PATH +
                              "',interface='" + atspi::PROPERTIES_INTERFACE +
                              "',member='PropertiesChanged',arg0='" + atspi::STATUS_INTERFACE + "'";
    sd_bus_add_match_async(session, nullptr, match.c_str(), onStatusChanged, nullptr, this);
    pump.attach(session);
    askOwner();
    askStatus();
    return true;
}

void StatusWatch::process() {
    sd_bus* session = pump.bus();
    for (int i = 0; i < MESSAGES_PER_TURN; i++) {
        const int r = sd_bus_process(session, nullptr);
        if (r > 0) continue;
        if (sd_bus_is_open(session) <= 0) {
            // No session bus any more: nothing will say when to join again.
            pump.detach();
            sd_bus_unref(session);
            enabled = false;
        }
        break;
    }
    changed();
}

void StatusWatch::askOwner() {
    const char* name = atspi::STATUS_SERVICE;
    callLater(pump.bus(), GET_OWNER, onOwnerReply, this,
              [name](sd_bus_message* m) { return sd_bus_message_append(m, "s", name); });
}

// One question at a time: signals that come while it is asked make one more.
void StatusWatch::askStatus() {
    if (!status.ask()) return;
    const char* interface = atspi::STATUS_INTERFACE;
    if (callLater(
            pump.bus(), GET_STATUS, onStatus, this,
            [interface](sd_bus_message* m) { return sd_bus_message_append(m, "s", interface); }, 0,
            false) < 0)
        status.answered();
}

const std::string& StatusWatch::address() {
    const char* fixed = std::getenv("AT_SPI_BUS_ADDRESS");
    if (fixed && *fixed) busAddress = fixed;
    if (busAddress.empty() && !addressAsked && pump.bus())
        addressAsked = callLater(pump.bus(), GET_ADDRESS, onAddress, this, nullptr, 0, false) >= 0;
    return busAddress;
}

void StatusWatch::forgetAddress() {
    busAddress.clear();
    addressAsked = false;
}

int StatusWatch::onOwnerReply(sd_bus_message* reply, void* self, sd_bus_error*) {
    StatusWatch& watch = watchOf(self);
    const char* unique = nullptr;
    watch.ownerKnown = true;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_read(reply, "s", &unique) >= 0 && unique)
        watch.owner = unique;
    // Its signal may have come before the answer that says whose it is.
    if (!watch.unconfirmed.empty() && watch.unconfirmed == watch.owner) watch.askStatus();
    watch.unconfirmed.clear();
    return 0;
}

// A new launcher means a new accessibility bus, and a status of its own.
int StatusWatch::onOwnerChanged(sd_bus_message* signal, void* self, sd_bus_error*) {
    StatusWatch& watch = watchOf(self);
    const std::optional<std::string> after = ownerChange(signal, atspi::STATUS_SERVICE);
    if (!after) return 0;
    watch.owner = *after;
    watch.ownerKnown = true;
    watch.announced++;
    watch.forgetAddress();
    if (after->empty())
        watch.enabled = false;
    else
        watch.askStatus();
    return 0;
}

int StatusWatch::onStatusChanged(sd_bus_message* signal, void* self, sd_bus_error*) {
    StatusWatch& watch = watchOf(self);
    const char* sender = sd_bus_message_get_sender(signal);
    if (!sender) return 0;
    if (!watch.ownerKnown) {
        watch.unconfirmed = sender;
        return 0;
    }
    // The signal only prompts a question: its body is not read, so no
    // sender can set the answer.
    if (watch.owner == sender) watch.askStatus();
    return 0;
}

int StatusWatch::onStatus(sd_bus_message* reply, void* self, sd_bus_error*) {
    StatusWatch& watch = watchOf(self);
    watch.takeStatus(reply);
    if (watch.status.answered()) watch.askStatus();
    return 0;
}

// Only booleans count; a value of another type, or a reply that does not
// parse, says nothing is wanted.
void StatusWatch::takeStatus(sd_bus_message* reply) {
    bool on = false;
    bool whole = !sd_bus_message_is_method_error(reply, nullptr) &&
                 sd_bus_message_enter_container(reply, 'a', "{sv}") > 0;
    while (whole && sd_bus_message_enter_container(reply, 'e', "sv") > 0) {
        const char* key = nullptr;
        char type = 0;
        const char* contents = nullptr;
        whole = sd_bus_message_read(reply, "s", &key) >= 0 &&
                sd_bus_message_peek_type(reply, &type, &contents) >= 0;
        if (!whole) break;
        const bool known =
            std::strcmp(key, "IsEnabled") == 0 || std::strcmp(key, "ScreenReaderEnabled") == 0;
        int value = 0;
        if (known && contents && std::strcmp(contents, "b") == 0)
            whole = sd_bus_message_read(reply, "v", "b", &value) >= 0;
        else
            whole = sd_bus_message_skip(reply, "v") >= 0;
        on = on || value;
        whole = whole && sd_bus_message_exit_container(reply) >= 0;
    }
    on = on && whole;
    if (on && !enabled) announced++;
    enabled = on;
}

int StatusWatch::onAddress(sd_bus_message* reply, void* self, sd_bus_error*) {
    StatusWatch& watch = watchOf(self);
    const char* address = nullptr;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_read(reply, "s", &address) >= 0 && address && *address)
        watch.busAddress = address;
    else
        watch.addressAsked = false;
    return 0;
}
