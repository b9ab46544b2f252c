// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge's bus parts in the test process, over a message bus of the
// test's own (a private dbus-daemon): the object server asked by a client on
// that bus about a real window, the connection's embedding by a registry
// that comes late, and the status watch fed by a status service the test
// plays, truthful or not.
#include <gtest/gtest.h>
#include <systemd/sd-bus.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <string>

#include "AccessibleNames.h"
#include "BusConnection.h"
#include "ObjectIds.h"
#include "ObjectServer.h"
#include "Protocol.h"
#include "SdBusLoading.h"
#include "StatusWatch.h"
#include "WindowHarness.h"

using namespace FX;

namespace {

// A dbus-daemon of the test's own, ended with it.
struct PrivateBus {
    PrivateBus() {
        int report[2];
        if (pipe(report) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(report[1], 3);
            execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--print-address=3",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(report[1]);
        char line[512] = {};
        ssize_t got = 0;
        while (got < static_cast<ssize_t>(sizeof(line)) - 1) {
            const ssize_t r = read(report[0], line + got, sizeof(line) - 1 - got);
            if (r <= 0 || std::string(line).find('\n') != std::string::npos) break;
            got += r;
        }
        close(report[0]);
        address = std::string(line).substr(0, std::string(line).find('\n'));
    }
    ~PrivateBus() { end(); }
    void end() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    pid_t pid = -1;
    std::string address;
};

sd_bus* connectTo(const std::string& address) {
    sd_bus* bus = nullptr;
    if (sd_bus_new(&bus) < 0) return nullptr;
    sd_bus_set_address(bus, address.c_str());
    sd_bus_set_bus_client(bus, 1);
    if (sd_bus_start(bus) < 0) return sd_bus_unref(bus);
    return bus;
}

class BusParts : public WindowTest, public BusConnection::Owner, public ObjectServer::Host {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(loadSdBus());
        ASSERT_FALSE(bus.address.empty());
        client = connectTo(bus.address);
        ASSERT_NE(client, nullptr);
    }
    void TearDown() override {
        sd_bus_flush_close_unref(client);
        WindowTest::TearDown();
    }

    // Runs the window's loop and the client's messages until the condition
    // holds; false if it never does within a bound that no healthy run nears.
    bool until(const std::function<bool()>& done) {
        for (int round = 0; round < 2000; round++) {
            if (done()) return true;
            while (sd_bus_process(client, nullptr) > 0) {
            }
            sd_bus_flush(client);
            while (testApplication().runOneEvent(false)) {
            }
            pollfd watch{sd_bus_get_fd(client), POLLIN, 0};
            poll(&watch, 1, 10);
        }
        return done();
    }

    // A call from the client; the reply, or null with the error's name kept.
    sd_bus_message* call(const char* destination, const std::string& path, const char* interface,
                         const char* member, const MessageFill& fill = nullptr) {
        sd_bus_message* message = nullptr;
        replied = false;
        sd_bus_message_unref(reply);
        reply = nullptr;
        sd_bus_message_new_method_call(client, &message, destination, path.c_str(), interface,
                                       member);
        if (fill) fill(message);
        sd_bus_call_async(client, nullptr, message, onReply, this, 0);
        sd_bus_message_unref(message);
        EXPECT_TRUE(until([this] { return replied; })) << member;
        return reply;
    }
    static int onReply(sd_bus_message* m, void* self, sd_bus_error*) {
        BusParts& test = *static_cast<BusParts*>(self);
        test.replied = true;
        test.error.clear();
        if (sd_bus_message_is_method_error(m, nullptr))
            test.error = sd_bus_message_get_error(m)->name;
        else
            test.reply = sd_bus_message_ref(m);
        return 0;
    }

    bool connected(sd_bus* b) override { return server.attach(b); }
    void embedded() override { embeddings++; }
    void registryChanged(bool) override {}
    void served() override {}
    void requestClick(FXWindow* widget) override { clicked = widget; }

    // Joins the bus the way the bridge does, up to the Embed's answer.
    void join() {
        connection.ask();
        connection.join(bus.address);
        ASSERT_EQ(connection.state(), BusConnection::JOINING);
        tree.rebuild();
        ASSERT_TRUE(until([this] { return !connection.embedding(); }));
    }

    PrivateBus bus;
    sd_bus* client = nullptr;
    sd_bus_message* reply = nullptr;
    bool replied = false;
    std::string error;
    AccessibleTree tree{&testApplication(), calculatorAccessibleNames()};
    BusConnection connection{&testApplication(), *this};
    ObjectServer server{&testApplication(), tree, connection, *this};
    int embeddings = 0;
    FXWindow* clicked = nullptr;
};

std::set<std::string> readStrings(sd_bus_message* m) {
    std::set<std::string> out;
    const char* text = nullptr;
    if (sd_bus_message_enter_container(m, 'a', "s") <= 0) return out;
    while (sd_bus_message_read(m, "s", &text) > 0)
        out.insert(text);
    return out;
}

const char* const INTERFACE_NAMES[] = {atspi::ACCESSIBLE_INTERFACE, atspi::COMPONENT_INTERFACE,
                                       atspi::ACTION_INTERFACE, atspi::APPLICATION_INTERFACE};

} // namespace

TEST_F(BusParts, EveryObjectAnswersItsInterfacesAndAGoneOneNothing) {
    join();
    const char* self = connection.uniqueName();
    ASSERT_GT(tree.nodes().size(), 70u);
    for (const AccessibleNode& node : tree.nodes()) {
        const std::string path = objectPath(node.id);
        sd_bus_message* answer = call(self, path, atspi::ACCESSIBLE_INTERFACE, "GetInterfaces");
        ASSERT_NE(answer, nullptr) << path << error;
        const std::set<std::string> told = readStrings(answer);
        answer = call(self, path, "org.freedesktop.DBus.Introspectable", "Introspect");
        ASSERT_NE(answer, nullptr) << path;
        const char* xml = nullptr;
        sd_bus_message_read(answer, "s", &xml);
        for (std::size_t k = 0; k < 4; k++) {
            const bool has = (ObjectServer::interfacesOf(node) >> k) & 1;
            EXPECT_EQ(told.count(INTERFACE_NAMES[k]), has ? 1u : 0u) << path << INTERFACE_NAMES[k];
            const std::string tag = std::string("<interface name=\"") + INTERFACE_NAMES[k] + "\"";
            EXPECT_EQ(std::string(xml).find(tag) != std::string::npos, has) << path << tag;
        }
        // A push button's name is its label where the label is a word.
        if (node.role == ROLE_PUSH_BUTTON &&
            static_cast<FXButton*>(node.widget)->getText() == "sqrt") {
            EXPECT_EQ(node.name, "sqrt");
        }
    }

    // A dialog's objects go with it: a call on one gets the protocol's
    // error, and the next dialog's objects have numbers of their own, though
    // its widgets may live where the last one's did.
    std::set<std::string> seen;
    for (int round = 0; round < 3; round++) {
        FXDialogBox* dialog = new FXDialogBox(window, "About");
        new FXButton(dialog, "OK");
        dialog->create();
        dialog->show();
        tree.rebuild();
        const FXint top = tree.nodes()[0].children.back();
        const std::string button = tree.pathOf(tree.nodes()[top].children.at(0));
        EXPECT_TRUE(seen.insert(button).second) << button;
        ASSERT_NE(call(self, button, atspi::ACTION_INTERFACE, "DoAction",
                       [](sd_bus_message* m) { return sd_bus_message_append(m, "i", 0); }),
                  nullptr);
        EXPECT_EQ(clicked, tree.nodes()[tree.nodes()[top].children.at(0)].widget);
        delete dialog;
        tree.rebuild();
        EXPECT_EQ(call(self, button, atspi::ACCESSIBLE_INTERFACE, "GetRole"), nullptr);
        EXPECT_EQ(error, atspi::ERROR_UNKNOWN_OBJECT);
    }
}

TEST_F(BusParts, ARegistryThatComesLateEmbedsAndALostBusStaysLost) {
    join();
    EXPECT_EQ(connection.state(), BusConnection::JOINING) << "embedded with no registry";
    // The test plays the registry from now on.
    sd_bus_slot* socket = nullptr;
    sd_bus_add_object(
        client, &socket, atspi::ROOT_PATH,
        [](sd_bus_message* m, void*, sd_bus_error*) {
            if (!sd_bus_message_is_method_call(m, atspi::SOCKET_INTERFACE, "Embed")) return 0;
            return sd_bus_reply_method_return(m, "(so)", ":1.0", "/org/a11y/atspi/desktop");
        },
        nullptr);
    for (int registry = 1; registry <= 2; registry++) {
        ASSERT_GE(sd_bus_request_name(client, atspi::REGISTRY, 0), 0);
        EXPECT_TRUE(until([this] { return connection.state() == BusConnection::JOINED; }));
        EXPECT_EQ(embeddings, registry);
        EXPECT_EQ(connection.desktopPath(), "/org/a11y/atspi/desktop");
        // The registry going takes the application off its desktop.
        sd_bus_release_name(client, atspi::REGISTRY);
        EXPECT_TRUE(until([this] { return connection.state() == BusConnection::JOINING; }));
    }
    sd_bus_slot_unref(socket);
    bus.end();
    EXPECT_TRUE(until([this] { return connection.state() == BusConnection::LOST; }));
    EXPECT_EQ(connection.bus(), nullptr);
}

TEST_F(BusParts, OnlyTheStatusServiceSaysWhetherAndOnlyItsBooleansCount) {
    // The test's bus is the session bus, and the test plays its status service.
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.address.c_str(), 1);
    unsetenv("AT_SPI_BUS_ADDRESS");
    struct Service {
        MessageFill body;
        int asked = 0;
    } service;
    sd_bus_slot* slot = nullptr;
    sd_bus_add_object(
        client, &slot, atspi::STATUS_PATH,
        [](sd_bus_message* m, void* self, sd_bus_error*) {
            Service& s = *static_cast<Service*>(self);
            if (!sd_bus_message_is_method_call(m, atspi::PROPERTIES_INTERFACE, "GetAll")) return 0;
            s.asked++;
            return replyWith(m, s.body);
        },
        &service);
    ASSERT_GE(sd_bus_request_name(client, atspi::STATUS_SERVICE, 0), 0);
    auto status = [](const char* fields) {
        return [fields](sd_bus_message* m) {
            int r = sd_bus_message_open_container(m, 'a', "{sv}");
            for (const char* f = fields; r >= 0 && *f; f++) {
                if (*f == 'E') r = sd_bus_message_append(m, "{sv}", "IsEnabled", "b", 1);
                if (*f == 'e') r = sd_bus_message_append(m, "{sv}", "IsEnabled", "b", 0);
                if (*f == 'S') r = sd_bus_message_append(m, "{sv}", "ScreenReaderEnabled", "b", 1);
                if (*f == 's') r = sd_bus_message_append(m, "{sv}", "IsEnabled", "s", "yes");
                if (*f == 'y') r = sd_bus_message_append(m, "{sv}", "IsEnabled", "y", 1);
                if (*f == 'x') r = sd_bus_message_append(m, "{sv}", "Extra", "as", 0);
            }
            return r >= 0 ? sd_bus_message_close_container(m) : r;
        };
    };
    auto changed = [](sd_bus* from) {
        sd_bus_message* m = nullptr;
        sd_bus_message_new_signal(from, &m, atspi::STATUS_PATH, atspi::PROPERTIES_INTERFACE,
                                  "PropertiesChanged");
        sd_bus_message_append(m, "sa{sv}as", atspi::STATUS_INTERFACE, 0, 0);
        sd_bus_send(from, m, nullptr);
        sd_bus_message_unref(m);
    };
    service.body = status("xE");
    StatusWatch watch(&testApplication(), [] {});
    ASSERT_TRUE(watch.open());
    EXPECT_TRUE(until([&] { return watch.wanted(); })) << "extra fields refused";

    // Each body in turn after one that says yes: only booleans say yes.
    const struct {
        const char* fields;
        bool wanted;
    } bodies[] = {{"e", false}, {"S", true},   {"s", false}, {"E", true},
                  {"y", false}, {"xSx", true}, {"", false},  {"E", true}};
    for (const auto& row : bodies) {
        service.body = status(row.fields);
        changed(client);
        EXPECT_TRUE(until([&] { return watch.wanted() == row.wanted; })) << row.fields;
    }
    // A signal from anyone else is not the desktop's word: it asks nothing.
    sd_bus* stranger = connectTo(bus.address);
    service.body = status("e");
    int before = service.asked;
    changed(stranger);
    sd_bus_flush(stranger);
    changed(client);
    EXPECT_TRUE(until([&] { return !watch.wanted(); }));
    EXPECT_EQ(service.asked, before + 1);
    sd_bus_flush_close_unref(stranger);
    // Many signals at once make one more question, not one each.
    before = service.asked;
    for (int i = 0; i < 10; i++)
        changed(client);
    service.body = status("E");
    EXPECT_TRUE(until([&] { return watch.wanted(); }));
    changed(client);
    service.body = status("");
    EXPECT_TRUE(until([&] { return !watch.wanted(); }));
    EXPECT_LE(service.asked, before + 3);
    sd_bus_slot_unref(slot);
}
