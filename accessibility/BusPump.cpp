// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one place a D-Bus connection joins the toolkit's event loop.
#include "BusPump.h"

#include <poll.h>
#include <time.h>

#include <cstdint>

using namespace FX;

FXDEFMAP(BusPump)
BusPumpMap[] = {
    FXMAPFUNC(SEL_IO_READ, BusPump::ID_READY, BusPump::onReady),
    FXMAPFUNC(SEL_IO_WRITE, BusPump::ID_READY, BusPump::onReady),
    FXMAPFUNC(SEL_TIMEOUT, BusPump::ID_TIMEOUT, BusPump::onReady),
};

FXIMPLEMENT(BusPump, FXObject, BusPumpMap, ARRAYNUMBER(BusPumpMap))

BusPump::BusPump(FXApp* a, std::function<void()> s) : app(a), serve(std::move(s)) {}

BusPump::~BusPump() {
    detach();
}

void BusPump::attach(sd_bus* bus) {
    detach();
    connection = bus;
    rearm();
}

void BusPump::detach() {
    unwatch();
    connection = nullptr;
    paused = false;
}

void BusPump::unwatch() {
    if (watched >= 0) app->removeInput(watched, watchedMode);
    if (timing) app->removeTimeout(this, ID_TIMEOUT);
    watched = -1;
    watchedMode = 0;
    timing = false;
}

void BusPump::pause() {
    paused = true;
    unwatch();
}

void BusPump::resume() {
    paused = false;
    rearm();
}

void BusPump::rearm() {
    if (!connection || paused) return;
    const int fd = sd_bus_get_fd(connection);
    const int events = sd_bus_get_events(connection);
    // A closed connection still reports its end through processing: keep
    // reading until the client has seen it.
    FXuint mode = INPUT_READ;
    if (events > 0 && (events & POLLOUT)) mode |= INPUT_WRITE;
    if (fd != watched || mode != watchedMode) {
        if (watched >= 0) app->removeInput(watched, watchedMode);
        watched = -1;
        watchedMode = 0;
        if (fd >= 0 && app->addInput(fd, mode, this, ID_READY)) {
            watched = fd;
            watchedMode = mode;
        }
    }
    std::uint64_t due = UINT64_MAX;
    if (sd_bus_get_timeout(connection, &due) <= 0) due = UINT64_MAX;
    if (due == UINT64_MAX) {
        if (timing) app->removeTimeout(this, ID_TIMEOUT);
        timing = false;
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t nowUsec = static_cast<std::uint64_t>(now.tv_sec) * 1000000u +
                                  static_cast<std::uint64_t>(now.tv_nsec) / 1000u;
    // Rounded up, so the timer never fires before the connection's time.
    const std::uint64_t waitMs = due > nowUsec ? (due - nowUsec + 999) / 1000 : 0;
    app->addTimeout(this, ID_TIMEOUT, waitMs > 60000 ? 60000u : static_cast<FXuint>(waitMs));
    timing = true;
}

long BusPump::onReady(FXObject*, FXSelector sel, void*) {
    if (FXSELTYPE(sel) == SEL_TIMEOUT) timing = false;
    if (connection && !paused) serve();
    rearm();
    return 1;
}
