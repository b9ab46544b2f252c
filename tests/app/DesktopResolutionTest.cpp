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

#include "DesktopResolution.h"

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

} // namespace
