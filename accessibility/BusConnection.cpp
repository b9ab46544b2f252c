// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility bus connection's life.
#include "BusConnection.h"
#include "BusMessages.h"
#include "Protocol.h"

#include <cerrno>

using namespace FX;

namespace {

// Messages served in one go before the window's events get their turn again.
const int MESSAGES_PER_TURN = 64;
// A connection that stays open while every round of reading fails is given
// up: the failure is not passing.
const int FAILURES_TO_GIVE_UP = 64;

const MethodCall EMBED = {atspi::REGISTRY, atspi::ROOT_PATH, atspi::SOCKET_INTERFACE, "Embed"};

BusConnection& connectionOf(void* self) {
    return *static_cast<BusConnection*>(self);
}

} // namespace

BusConnection::BusConnection(FXApp* app, Owner& o) : owner(o), pump(app, [this] { process(); }) {}

BusConnection::~BusConnection() {
    leave();
}

const char* BusConnection::uniqueName() const {
    const char* unique = nullptr;
    if (!pump.bus() || sd_bus_get_unique_name(pump.bus(), &unique) < 0 || !unique) return "";
    return unique;
}

void BusConnection::setState(State next) {
    current = next;
}

void BusConnection::ask() {
    if (current == OFF) setState(ASKING);
}

void BusConnection::reset() {
    if (current == LOST) setState(OFF);
}

void BusConnection::join(const std::string& address) {
    if (current != ASKING) return;
    sd_bus* bus = nullptr;
    int r = sd_bus_new(&bus);
    if (r >= 0) r = sd_bus_set_address(bus, address.c_str());
    if (r >= 0) r = sd_bus_set_bus_client(bus, 1);
    if (r >= 0) r = sd_bus_start(bus);
    if (r >= 0) r = watchOwner(bus, atspi::REGISTRY, onRegistryOwner, this);
    if (r >= 0 && !owner.connected(bus)) r = -EIO;
    if (r < 0) {
        sd_bus_unref(bus);
        setState(LOST);
        return;
    }
    failures = 0;
    pump.attach(bus);
    setState(JOINING);
    embed();
}

void BusConnection::leave() {
    sd_bus* bus = pump.bus();
    pump.detach();
    if (bus) {
        sd_bus_close(bus);
        sd_bus_unref(bus);
    }
    embedAsked = false;
    deskName.clear();
    deskPath.clear();
    setState(OFF);
}

void BusConnection::lose() {
    leave();
    setState(LOST);
}

// Asked as soon as the connection is made: the call waits in the socket
// until the bus has said hello, and starts the registry if none runs.
void BusConnection::embed() {
    if (current != JOINING || embedAsked) return;
    embedAsked = callLater(pump.bus(), EMBED, onEmbedded, this, [this](sd_bus_message* m) {
                     return sd_bus_message_append(m, "(so)", uniqueName(), atspi::ROOT_PATH);
                 }) >= 0;
}

void BusConnection::process() {
    sd_bus* bus = pump.bus();
    for (int i = 0; bus && i < MESSAGES_PER_TURN; i++) {
        const int r = sd_bus_process(bus, nullptr);
        // A failure that leaves the connection open is tried again at the
        // next round, unless it keeps failing.
        if (sd_bus_is_open(bus) <= 0 || (r < 0 && ++failures >= FAILURES_TO_GIVE_UP)) {
            lose();
            owner.served();
            break;
        }
        if (r >= 0) failures = 0;
        owner.served();
        if (r <= 0 || pump.bus() != bus || pump.isPaused()) break;
    }
}

int BusConnection::onEmbedded(sd_bus_message* reply, void* self, sd_bus_error*) {
    BusConnection& connection = connectionOf(self);
    const char *name = nullptr, *path = nullptr;
    connection.embedAsked = false;
    if (connection.current != JOINING) return 0;
    // A registry that fails is asked again when one takes the name.
    if (sd_bus_message_is_method_error(reply, nullptr) ||
        sd_bus_message_read(reply, "(so)", &name, &path) < 0)
        return 0;
    connection.deskName = name;
    connection.deskPath = path;
    connection.setState(JOINED);
    connection.owner.embedded();
    return 0;
}

// A registry that goes takes the application's place with it; the next one
// is asked again.
int BusConnection::onRegistryOwner(sd_bus_message* signal, void* self, sd_bus_error*) {
    BusConnection& connection = connectionOf(self);
    const std::optional<std::string> after = ownerChange(signal, atspi::REGISTRY);
    if (!after) return 0;
    if (connection.current == JOINED) {
        connection.deskName.clear();
        connection.deskPath.clear();
        connection.setState(JOINING);
    }
    connection.owner.registryChanged(!after->empty());
    if (!after->empty()) connection.embed();
    return 0;
}
