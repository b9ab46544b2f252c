// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading Xft.dpi from the display's resource database, or Xft/DPI from its
// XSETTINGS, and handing it to the toolkit as its screen resolution.
#include "DesktopResolution.h"

#include "XSettings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cmath>
#include <cstring>
#include <string>

using namespace FX;

namespace {

const char* const SECTION = "SETTINGS";
const char* const KEY = "screenres";

// The toolkit's own resolution stands for this many dots per inch.
const double TOOLKIT_DPI = 96.0;

// Half and five times the usual 96: the smallest text scaling desktops offer,
// and beyond the largest scale they use (4×) with room for text scaling on
// top. Below it the 9-point labels would be a few pixels tall; above it the
// window (490 × 199 at 96) would no longer fit a 4K screen. Anything outside
// is a slip, and the toolkit's own resolution serves better.
const double LOWEST_DPI = 48.0;
const double HIGHEST_DPI = 480.0;

// XSETTINGS carries dots per inch in 1024ths.
const double XSETTINGS_UNIT = 1024.0;

// The resources are at most this long: far beyond any desktop's, so a rogue
// client cannot make the program read without end.
const long LONGEST_RESOURCES = 1 << 22; // in 32-bit units

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain decimal number ("192", "96.0", with blanks around it). Read by hand, not with strtod:
// that would take a sign, an exponent, hexadecimal, "inf" and "nan", and read the point by the
// locale.
std::optional<double> dotsPerInch(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    double value = 0.0;
    size_t digits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at, ++digits)
        value = value * 10.0 + (text[at] - '0'); // a long run only reaches infinity
    if (at < text.size() && text[at] == '.') {
        double weight = 0.1;
        for (++at; at < text.size() && isDigit(text[at]); ++at, ++digits, weight /= 10.0)
            value += (text[at] - '0') * weight;
    }
    while (at < text.size() && isBlank(text[at]))
        ++at;
    if (digits == 0 || at != text.size()) return std::nullopt;
    return value;
}

// The toolkit's resolution for dots per inch within the accepted range.
std::optional<FXuint> resolutionFor(std::optional<double> dpi) {
    if (!dpi || !(*dpi >= LOWEST_DPI && *dpi <= HIGHEST_DPI)) return std::nullopt;
    return static_cast<FXuint>(std::lround(TOOLKIT_RESOLUTION * *dpi / TOOLKIT_DPI));
}

// The entry, in memory only: written unmarked, so the toolkit never saves it.
void handOver(FXRegistry& registry, FXuint resolution) {
    const bool modified = registry.isModified();
    // Writing creates the section if need be, but marks the entry as one to
    // save and the registry as changed. The toolkit saves only marked entries
    // and only a changed registry on exit: unmark the entry and restore the
    // flag, so the desktop's value never lands in the user's files, even when
    // something else gets the registry saved.
    registry.writeUnsignedEntry(SECTION, KEY, resolution);
    auto* section = static_cast<FXStringDict*>(registry.find(SECTION));
    const FXString text = section->find(KEY);
    section->remove(KEY);
    section->insert(KEY, text.text(), false);
    registry.setModified(modified);
}

// The root window's resources as they are now. Xlib's copy of them is the one
// taken when the display was opened, and never changes.
std::optional<std::string> rootResources(Display* display) {
    std::optional<std::string> text;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, 0,
                           LONGEST_RESOURCES, False, XA_STRING, &type, &format, &items, &after,
                           &value) == Success &&
        value != nullptr) {
        if (type == XA_STRING && format == 8)
            text.emplace(reinterpret_cast<const char*>(value), items);
        XFree(value);
    }
    return text;
}

// The settings of the screen's settings manager, or none.
std::vector<unsigned char> screenSettings(Display* display) {
    const XSettingsAtoms atoms = xsettingsAtoms(display);
    return xsettingsData(display, atoms, xsettingsOwner(display, atoms, false));
}

} // namespace

std::optional<FXuint> screenResolutionFromResources(const char* resources) {
    if (resources == nullptr) return std::nullopt;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (database == nullptr) return std::nullopt;
    // The name and class Xft itself looks up, so "Xft.dpi" and patterns such
    // as "*dpi" match here exactly as they do for every Xft program.
    char* type = nullptr;
    XrmValue value{};
    std::optional<double> dpi;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr)
        dpi = dotsPerInch(std::string(value.addr, strnlen(value.addr, value.size)));
    XrmDestroyDatabase(database);
    return resolutionFor(dpi);
}

std::optional<FXuint> screenResolutionFromXSettings(const std::vector<unsigned char>& settings) {
    const auto dpi = xsettingsInteger(settings.data(), settings.size(), "Xft/DPI");
    // Desktops write -1 for "the server's own", which the range refuses too.
    if (!dpi) return std::nullopt;
    return resolutionFor(*dpi / XSETTINGS_UNIT);
}

std::optional<FXuint> desktopScreenResolution(const char* resources,
                                              const std::vector<unsigned char>& settings) {
    if (const auto resolution = screenResolutionFromResources(resources)) return resolution;
    return screenResolutionFromXSettings(settings);
}

std::optional<FXuint> currentDesktopResolution(FXApp& application) {
    auto* display = static_cast<Display*>(application.getDisplay());
    if (display == nullptr) return std::nullopt;
    const std::optional<std::string> resources = rootResources(display);
    return desktopScreenResolution(resources ? resources->c_str() : nullptr,
                                   screenSettings(display));
}

FXuint toolkitScreenResolution(FXApp& application) {
    return application.reg().readUnsignedEntry(SECTION, KEY, TOOLKIT_RESOLUTION);
}

bool offerScreenResolution(FXRegistry& registry, FXuint resolution) {
    // Any layer counts: the user's own files, the vendor's or the system's.
    if (registry.existingEntry(SECTION, KEY)) return false;
    handOver(registry, resolution);
    return true;
}

bool replaceScreenResolution(FXRegistry& registry, FXuint resolution) {
    if (registry.readUnsignedEntry(SECTION, KEY, TOOLKIT_RESOLUTION) == resolution) return false;
    handOver(registry, resolution);
    return true;
}

bool followDesktopResolution(FXApp& application) {
    auto* display = static_cast<Display*>(application.getDisplay());
    if (display == nullptr) return false;
    if (application.reg().existingEntry(SECTION, KEY)) return false;
    // Xlib's copy of the resources is fresh at start: no need to ask the server.
    if (const auto resolution =
            desktopScreenResolution(XResourceManagerString(display), screenSettings(display)))
        offerScreenResolution(application.reg(), *resolution);
    return true;
}
