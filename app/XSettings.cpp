// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading XSETTINGS: the owner of the screen's settings, its property, and one
// integer setting out of the property's bytes.
#include "XSettings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>
#include <string>

namespace {

// The kinds of value a setting holds, and the size of the fixed ones.
const unsigned char INTEGER = 0;
const unsigned char TEXT = 1;
const unsigned char COLOUR = 2;
const std::size_t COLOUR_SIZE = 8; // red, green, blue and alpha, 16 bits each

// The header: byte order, three unused bytes, the manager's serial, the count.
const std::size_t HEADER = 12;

// The property is at most this long: far beyond every manager's few kilobytes,
// so a rogue one cannot make the program read without end.
const long LONGEST = 1 << 20; // in 32-bit units

// Fields are padded to whole 32-bit units.
std::size_t padded(std::size_t length) {
    return (length + 3) & ~std::size_t(3);
}

// A cursor over the bytes that refuses to run past their end.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size, bool mostFirst)
        : data(data), size(size), mostFirst(mostFirst) {}

    bool skip(std::size_t count) {
        if (count > size - at) return false;
        at += count;
        return true;
    }
    bool card8(unsigned char& value) {
        if (size - at < 1) return false;
        value = data[at++];
        return true;
    }
    bool card16(std::uint32_t& value) { return card(2, value); }
    bool card32(std::uint32_t& value) { return card(4, value); }
    const unsigned char* here() const { return data + at; }

private:
    bool card(std::size_t bytes, std::uint32_t& value) {
        if (size - at < bytes) return false;
        value = 0;
        for (std::size_t k = 0; k < bytes; k++) {
            const std::size_t index = mostFirst ? k : bytes - 1 - k;
            value = (value << 8) | data[at + index];
        }
        at += bytes;
        return true;
    }

    const unsigned char* data;
    std::size_t size;
    std::size_t at = 0;
    bool mostFirst;
};

// Errors from a window that has gone are expected here, and are not the
// toolkit's to report: the manager may quit between two requests.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Sends the requests of the block with errors ignored; the round trips at
// both ends keep errors of other requests with the handler they belong to.
template <typename Requests> void withErrorsIgnored(Display* display, Requests requests) {
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler(ignoreErrors);
    requests();
    XSync(display, False);
    XSetErrorHandler(previous);
}

} // namespace

std::optional<std::int32_t> xsettingsInteger(const unsigned char* data, std::size_t size,
                                             const char* name) {
    if (data == nullptr || size < HEADER) return std::nullopt;
    if (data[0] > 1) return std::nullopt; // neither LSBFirst nor MSBFirst
    Reader reader(data, size, data[0] == 1);
    std::uint32_t serial = 0;
    std::uint32_t count = 0;
    if (!reader.skip(4) || !reader.card32(serial) || !reader.card32(count)) return std::nullopt;
    const std::size_t nameLength = std::strlen(name);
    for (std::uint32_t k = 0; k < count; k++) {
        unsigned char type = 0;
        std::uint32_t length = 0;
        std::uint32_t changed = 0;
        if (!reader.card8(type) || !reader.skip(1) || !reader.card16(length)) return std::nullopt;
        const unsigned char* found = reader.here();
        if (!reader.skip(padded(length)) || !reader.card32(changed)) return std::nullopt;
        const bool wanted = length == nameLength && std::memcmp(found, name, length) == 0;
        std::uint32_t value = 0;
        switch (type) {
        case INTEGER:
            if (!reader.card32(value)) return std::nullopt;
            // Two's complement: the value comes back as the manager's INT32.
            if (wanted) return static_cast<std::int32_t>(value);
            break;
        case TEXT:
            if (!reader.card32(value) || !reader.skip(padded(value))) return std::nullopt;
            break;
        case COLOUR:
            if (!reader.skip(COLOUR_SIZE)) return std::nullopt;
            break;
        default:
            return std::nullopt; // a kind whose size is unknown ends the reading
        }
        if (wanted) return std::nullopt; // the setting is not a number
    }
    return std::nullopt;
}

XSettingsAtoms xsettingsAtoms(void* display) {
    Display* d = static_cast<Display*>(display);
    const std::string selection = "_XSETTINGS_S" + std::to_string(DefaultScreen(d));
    XSettingsAtoms atoms;
    atoms.selection = XInternAtom(d, selection.c_str(), False);
    atoms.property = XInternAtom(d, "_XSETTINGS_SETTINGS", False);
    atoms.manager = XInternAtom(d, "MANAGER", False);
    return atoms;
}

unsigned long xsettingsOwner(void* display, const XSettingsAtoms& atoms, bool watch) {
    Display* d = static_cast<Display*>(display);
    const Window owner = XGetSelectionOwner(d, atoms.selection);
    if (owner != None && watch)
        withErrorsIgnored(
            d, [&] { XSelectInput(d, owner, PropertyChangeMask | StructureNotifyMask); });
    return owner;
}

std::vector<unsigned char> xsettingsData(void* display, const XSettingsAtoms& atoms,
                                         unsigned long owner) {
    std::vector<unsigned char> bytes;
    if (owner == None) return bytes;
    Display* d = static_cast<Display*>(display);
    withErrorsIgnored(d, [&] {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* value = nullptr;
        if (XGetWindowProperty(d, owner, atoms.property, 0, LONGEST, False, atoms.property, &type,
                               &format, &items, &after, &value) == Success &&
            value != nullptr) {
            if (type == atoms.property && format == 8) bytes.assign(value, value + items);
            XFree(value);
        }
    });
    return bytes;
}
