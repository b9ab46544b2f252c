// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's font resolution: which Xft.dpi values the calculator takes and
// what it makes of them, and that the toolkit's registry never saves the result.
// Neither needs a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DesktopResolution.h"
#include "XSettings.h"

using namespace FX;

namespace {

struct ResourceRow {
    const char* resources;
    int resolution; // 0: the toolkit's resolution stays as it is
};

TEST(DesktopResolution, XftDpiScalesTheToolkitsResolutionAndNonsenseIsIgnored) {
    const ResourceRow rows[] = {
        {"Xft.dpi: 96\n", 100},
        {"Xft.dpi: 192\n", 200},
        {"Xft.dpi: 144\n", 150},
        {"Xft.dpi: 96.0  \n", 100},
        {"Xft.dpi: 109.5\n", 114}, // 114.06
        {"Xft.antialias: 1\nXft.dpi: 288\nXft.hinting: 1\n", 300},
        {"*dpi: 192\n", 200}, // matched as Xft's own lookup matches it
        {"Xft.dpi: 48\n", 50},
        {"Xft.dpi: 480\n", 500},
        {nullptr, 0},
        {"Xft.antialias: 1\n", 0},
        {"Xft.dpi:\n", 0},
        {"Xft.dpi: 0\n", 0},
        {"Xft.dpi: -192\n", 0},
        {"Xft.dpi: 47.9\n", 0},
        {"Xft.dpi: 480.1\n", 0},
        {"Xft.dpi: 100000\n", 0},
        {"Xft.dpi: high\n", 0},
        {"Xft.dpi: 192dpi\n", 0},
        {"Xft.dpi: 1.92e2\n", 0},
        {"Xft.dpi: 0xC0\n", 0},
        {"Xft.dpi: inf\n", 0},
        {"Xft.dpi: 96,5\n", 0},
    };
    for (const ResourceRow& row : rows) {
        SCOPED_TRACE(row.resources ? row.resources : "(no resources)");
        const auto resolution = screenResolutionFromResources(row.resources);
        if (row.resolution == 0) {
            EXPECT_FALSE(resolution.has_value()) << *resolution;
        } else {
            ASSERT_TRUE(resolution.has_value());
            EXPECT_EQ(*resolution, FXuint(row.resolution));
        }
    }
}

// A registry of the calculator's names whose files live in a fresh folder.
class DesktopResolutionRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/vyx-registry-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        home = folder;
        const char* old = getenv("HOME");
        oldHome = old ? old : "";
        setenv("HOME", home.c_str(), 1);
    }
    void TearDown() override {
        setenv("HOME", oldHome.c_str(), 1);
        std::filesystem::remove_all(home);
    }
    std::string userFile() const { return home + "/.foxrc/Vyx/Calculator"; }
    std::string contents(const std::string& path) const {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string home;
    std::string oldHome;
};

TEST_F(DesktopResolutionRegistry, OfferedResolutionIsUsedButNeverSaved) {
    FXRegistry registry("Calculator", "Vyx");
    registry.read(); // false: there is no file to read
    ASSERT_TRUE(offerScreenResolution(registry, 200));
    EXPECT_EQ(registry.readUnsignedEntry("SETTINGS", "screenres", 100), 200u);
    EXPECT_FALSE(registry.isModified());
    ASSERT_TRUE(registry.write());
    EXPECT_FALSE(std::filesystem::exists(home + "/.foxrc")) << "the registry was written";

    // Even when another change gets the registry saved, the offered entry stays out.
    registry.writeStringEntry("SETTINGS", "normalfont", "courier");
    ASSERT_TRUE(registry.write());
    const std::string saved = contents(userFile());
    EXPECT_NE(saved.find("normalfont"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("screenres"), std::string::npos) << saved;
}

TEST_F(DesktopResolutionRegistry, ReplacedResolutionChangesOnlyWhenItDiffersAndIsNeverSaved) {
    FXRegistry registry("Calculator", "Vyx");
    registry.read();
    // Started with no usable Xft.dpi: no entry, which is the toolkit's 100.
    EXPECT_FALSE(replaceScreenResolution(registry, 100));
    EXPECT_TRUE(replaceScreenResolution(registry, 200));
    EXPECT_FALSE(replaceScreenResolution(registry, 200));
    EXPECT_TRUE(replaceScreenResolution(registry, 100));
    EXPECT_FALSE(registry.isModified());
    registry.writeStringEntry("SETTINGS", "normalfont", "courier");
    ASSERT_TRUE(registry.write());
    EXPECT_EQ(contents(userFile()).find("screenres"), std::string::npos);
}

// XSETTINGS bytes as a manager writes them, in its byte order.
class SettingsBytes {
public:
    explicit SettingsBytes(bool mostFirst, std::uint32_t count) : mostFirst(mostFirst) {
        bytes = {static_cast<unsigned char>(mostFirst), 0, 0, 0};
        card32(7); // the manager's serial
        card32(count);
    }
    SettingsBytes& integer(const std::string& name, std::int32_t value) {
        head(0, name);
        card32(static_cast<std::uint32_t>(value));
        return *this;
    }
    SettingsBytes& text(const std::string& name, const std::string& value) {
        head(1, name);
        card32(static_cast<std::uint32_t>(value.size()));
        padded(value);
        return *this;
    }
    SettingsBytes& colour(const std::string& name) {
        head(2, name);
        bytes.insert(bytes.end(), 8, 0xff);
        return *this;
    }
    std::vector<unsigned char> bytes;

private:
    void head(unsigned char type, const std::string& name) {
        bytes.push_back(type);
        bytes.push_back(0);
        const auto length = static_cast<std::uint16_t>(name.size());
        if (mostFirst)
            bytes.insert(bytes.end(), {FXuchar(length >> 8), FXuchar(length)});
        else
            bytes.insert(bytes.end(), {FXuchar(length), FXuchar(length >> 8)});
        padded(name);
        card32(3); // the serial of its last change
    }
    void padded(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.insert(bytes.end(), (4 - text.size() % 4) % 4, 0);
    }
    void card32(std::uint32_t value) {
        for (int k = 0; k < 4; k++) {
            const int shift = mostFirst ? 24 - 8 * k : 8 * k;
            bytes.push_back(static_cast<unsigned char>(value >> shift));
        }
    }
    bool mostFirst;
};

TEST(XSettings, XftDpiIsFoundPastOtherKindsInEitherByteOrderAndDamageReadsAsNone) {
    for (bool mostFirst : {false, true}) {
        SCOPED_TRACE(mostFirst ? "MSBFirst" : "LSBFirst");
        // As Xfce's daemon writes it: strings and numbers before it, 192 × 1024.
        const auto full = SettingsBytes(mostFirst, 5)
                              .text("Gtk/FontName", "Sans 10")
                              .colour("Gtk/Colour")
                              .integer("Xft/Hinting", -1)
                              .integer("Xft/DPI", 196608)
                              .integer("Xft/Antialias", 1)
                              .bytes;
        EXPECT_EQ(xsettingsInteger(full.data(), full.size(), "Xft/Hinting"), -1);
        EXPECT_EQ(screenResolutionFromXSettings(full), 200u);
        // Cut anywhere before the value's end, the setting is not read from
        // beyond the bytes; the sanitizers watch every cut.
        const size_t end = full.size() - 28; // Xft/Antialias takes the last 28
        for (size_t cut = 0; cut < end; cut++) {
            const std::vector<unsigned char> part(full.begin(), full.begin() + cut);
            EXPECT_FALSE(screenResolutionFromXSettings(part).has_value()) << cut;
        }
    }
    const auto rows = {
        std::make_pair(SettingsBytes(false, 1).integer("Xft/DPI", 147456).bytes, 150),
        // The desktop's "the server's own", and a value beyond the range.
        std::make_pair(SettingsBytes(false, 1).integer("Xft/DPI", -1).bytes, 0),
        std::make_pair(SettingsBytes(false, 1).integer("Xft/DPI", 500 * 1024).bytes, 0),
        // Not a number, a name that only starts alike, and a count beyond the bytes.
        std::make_pair(SettingsBytes(false, 1).text("Xft/DPI", "192").bytes, 0),
        std::make_pair(SettingsBytes(false, 1).integer("Xft/DPIX", 196608).bytes, 0),
        std::make_pair(SettingsBytes(false, 3).integer("Xft/Hinting", 1).bytes, 0),
    };
    for (const auto& [bytes, resolution] : rows)
        EXPECT_EQ(screenResolutionFromXSettings(bytes).value_or(0), FXuint(resolution));
    // A kind of value of unknown size before it ends the reading.
    auto unknown = SettingsBytes(false, 2).integer("Xft/Other", 1).integer("Xft/DPI", 196608).bytes;
    unknown[12] = 3;
    EXPECT_FALSE(screenResolutionFromXSettings(unknown).has_value());
}

TEST(DesktopResolution, ResourcesComeFirstAndXSettingsServeWhereTheyHaveNoUsableDpi) {
    const auto settings = SettingsBytes(false, 1).integer("Xft/DPI", 196608).bytes;
    EXPECT_EQ(desktopScreenResolution("Xft.dpi: 144\n", settings), 150u);
    EXPECT_EQ(desktopScreenResolution("Xft.dpi: abc\n", settings), 200u);
    EXPECT_EQ(desktopScreenResolution(nullptr, settings), 200u);
    EXPECT_EQ(desktopScreenResolution("Xft.dpi: 144\n", {}), 150u);
    EXPECT_FALSE(desktopScreenResolution("Xcursor.size: 48\n", {}).has_value());
}

} // namespace
