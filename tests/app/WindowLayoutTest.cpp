// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's face: fonts, icons, the memory and display block and the pads,
// checked through the widget tree and the geometry the toolkit lays out.
#include "PixelArtIcon.h"
#include "ScaledButton.h"
#include "ScaledRadioButton.h"
#include "WindowHarness.h"
#include "WindowScale.h"

#include "icons/calculator32.xpm"

#include <memory>

using namespace FX;

namespace {

struct PadFacts {
    FXint buttons;
    FXint columns;
    FXSelector firstId;
    bool coloured;
    FXColor back;
};

const PadFacts PADS[] = {
    {20, 4, AppWindow::ID_ACOS, true, FXRGB(50, 50, 200)},
    {5, 1, AppWindow::ID_SHL, true, FXRGB(200, 50, 50)},
    {20, 4, AppWindow::ID_KEY_A, false, 0},
    {10, 2, AppWindow::ID_MOD, true, FXRGB(50, 180, 50)},
};

class WindowLayout : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->layout();
        frame = window->getFirst();
        block = static_cast<FXMatrix*>(frame->getFirst());
        pads = frame->getFirst()->getNext();
    }

    FXWindow* frame = nullptr;
    FXMatrix* block = nullptr;
    FXWindow* pads = nullptr;
};

TEST_F(WindowLayout, WindowOpensAtItsPlaceWithBothIcons) {
    EXPECT_EQ(window->getTitle(), "Vyx Developer Calculator");
    EXPECT_EQ(window->getX(), 50);
    EXPECT_EQ(window->getY(), 50);
    ASSERT_EQ(window->getIcon(), window->bigIcon);
    ASSERT_EQ(window->getMiniIcon(), window->smallIcon);
    EXPECT_EQ(window->bigIcon->getWidth(), 32);
    EXPECT_EQ(window->bigIcon->getHeight(), 32);
    EXPECT_EQ(window->smallIcon->getWidth(), 16);
    EXPECT_EQ(window->smallIcon->getHeight(), 16);
}

TEST_F(WindowLayout, OnlyTheDisplaysUseTheDisplayFont) {
    EXPECT_EQ(testApplication().getNormalFont(), window->normalFont);
    EXPECT_EQ(window->normalFont->getName(), "tahoma");
    EXPECT_EQ(window->normalFont->getWeight(), FXuint(FXFont::Bold));
    EXPECT_EQ(window->displayFont->getName(), "courier");
    EXPECT_EQ(window->displayFont->getWeight(), FXuint(FXFont::Bold));
    EXPECT_GT(window->displayFont->getSize(), window->normalFont->getSize());

    FXint labels = 0;
    for (FXint k = 0; k < block->numChildren(); k++) {
        FXLabel* label = static_cast<FXLabel*>(block->childAtIndex(k));
        const bool isDisplay = label->isMemberOf(FXMETACLASS(FXRadioButton));
        EXPECT_EQ(label->getFont(), isDisplay ? window->displayFont : window->normalFont) << k;
        labels++;
    }
    for (FXWindow* pad = pads->getFirst(); pad; pad = pad->getNext())
        for (FXWindow* b = pad->getFirst(); b; b = b->getNext()) {
            EXPECT_EQ(static_cast<FXLabel*>(b)->getFont(), window->normalFont);
            labels++;
        }
    EXPECT_EQ(labels, 12 + 55);
}

TEST_F(WindowLayout, EachRowJoinsASlotADisplayAndItsCopyButton) {
    ASSERT_EQ(block->numChildren(), 12);
    EXPECT_EQ(block->getNumRows(), 3);
    for (FXint row = 0; row < 3; row++) {
        FXButton* recall = static_cast<FXButton*>(block->childAtIndex(row));
        FXButton* store = static_cast<FXButton*>(block->childAtIndex(3 + row));
        FXRadioButton* display = static_cast<FXRadioButton*>(block->childAtIndex(6 + row));
        FXButton* copy = static_cast<FXButton*>(block->childAtIndex(9 + row));
        EXPECT_EQ(recall, window->memoryButtons[row]);
        EXPECT_EQ(display, window->displays[row]);
        EXPECT_EQ(recall->getSelector(), FXSelector(AppWindow::ID_RECALL_0 + row));
        EXPECT_EQ(store->getSelector(), FXSelector(AppWindow::ID_STORE_0 + row));
        EXPECT_EQ(display->getSelector(), FXSelector(AppWindow::ID_BINARY + row));
        EXPECT_EQ(copy->getSelector(), FXSelector(AppWindow::ID_COPY_BIN + row));
        EXPECT_EQ(recall->getText(), FXString().format(" MEM %d ", row));
        EXPECT_EQ(store->getText(), "<");
        EXPECT_EQ(copy->getText(), ">");
        EXPECT_EQ(recall->getTipText(), "Use this memory content as value.");
        EXPECT_EQ(store->getTipText(), "Save current value in this memory slot.");
        EXPECT_EQ(copy->getTipText(), "Copy this value to the system clipboard.");

        // One row on screen, in this order from left to right.
        EXPECT_EQ(store->getY(), recall->getY());
        EXPECT_EQ(display->getY(), recall->getY());
        EXPECT_EQ(copy->getY(), recall->getY());
        EXPECT_LT(recall->getX(), store->getX());
        EXPECT_LT(store->getX(), display->getX());
        EXPECT_LT(display->getX(), copy->getX());
    }
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 0000 | 0x00000000 | 0");
    EXPECT_EQ(window->displays[0]->getTipText(), "Binary");
    EXPECT_EQ(window->displays[1]->getTipText(), "Hexadecimal");
    EXPECT_EQ(window->displays[2]->getTipText(), "Decimal");
    EXPECT_EQ(window->displays[0]->getBackColor(), FXRGB(255, 220, 220));
    EXPECT_EQ(window->displays[1]->getBackColor(), FXRGB(220, 255, 220));
    EXPECT_EQ(window->displays[2]->getBackColor(), FXRGB(220, 220, 255));
    EXPECT_EQ(checkedDisplays(), 1);
    EXPECT_TRUE(window->displays[BASE_DECIMAL]->getCheck());
}

TEST_F(WindowLayout, PadsSitSideBySideWithUniformCellsColoursAndIdentifiers) {
    ASSERT_EQ(pads->numChildren(), 4);
    FXint previousRight = 0;
    for (FXint p = 0; p < 4; p++) {
        const PadFacts& facts = PADS[p];
        FXMatrix* pad = static_cast<FXMatrix*>(pads->childAtIndex(p));
        ASSERT_EQ(pad->numChildren(), facts.buttons) << "pad " << p;
        EXPECT_EQ(pad->getNumColumns(), facts.columns);
        EXPECT_GT(pad->getX(), previousRight);
        previousRight = pad->getX() + pad->getWidth() - 1;

        // Columns are equally wide up to the pixel the toolkit hands to the
        // last one, and every button fills its cell of the grid.
        const FXint width = pad->childAtIndex(0)->getWidth();
        for (FXint k = 0; k < facts.buttons; k++) {
            FXButton* b = static_cast<FXButton*>(pad->childAtIndex(k));
            FXWindow* top = pad->childAtIndex(k % facts.columns);
            FXWindow* left = pad->childAtIndex(k - k % facts.columns);
            EXPECT_LE(abs(b->getWidth() - width), 1) << b->getText().text();
            EXPECT_EQ(b->getX(), top->getX()) << b->getText().text();
            EXPECT_EQ(b->getWidth(), top->getWidth()) << b->getText().text();
            EXPECT_EQ(b->getY(), left->getY()) << b->getText().text();
            EXPECT_EQ(b->getHeight(), left->getHeight()) << b->getText().text();
            EXPECT_EQ(b->getTipText().empty(), !facts.coloured) << b->getText().text();
            if (facts.coloured) {
                EXPECT_EQ(b->getBackColor(), facts.back);
                EXPECT_EQ(b->getTextColor(), FXRGB(255, 255, 255));
            }
            const FXSelector id = b->getSelector();
            EXPECT_NE(id, FXSelector(AppWindow::ID_EXIT));
            EXPECT_NE(id, FXSelector(AppWindow::ID_INFO));
            if (id != AppWindow::ID_QUIT && id != AppWindow::ID_ABOUT) {
                EXPECT_EQ(id, facts.firstId + k) << b->getText().text();
            }
        }
    }
    EXPECT_EQ(button("Exit")->getSelector(), FXSelector(AppWindow::ID_QUIT));
    EXPECT_EQ(button("...")->getSelector(), FXSelector(AppWindow::ID_ABOUT));
    EXPECT_EQ(button("[RAD]"), window->angleButton);
    EXPECT_EQ(button("-")->getTipText(), "Substraction");
    EXPECT_EQ(button("acos")->getTipText(), "Arc cosinus");
    EXPECT_EQ(button("Pi")->getTipText(), "3.14");
    EXPECT_EQ(button("Exit")->getTipText(), "Quit");
}

TEST_F(WindowLayout, EnlargingStretchesDisplaysAndPadsOnly) {
    const FXint displayWidth = window->displays[0]->getWidth();
    const FXint recallWidth = window->memoryButtons[0]->getWidth();
    const FXint blockHeight = block->getHeight();
    const FXint padWidth = pads->getFirst()->getWidth();
    const FXint padHeight = pads->getFirst()->getHeight();
    window->resize(window->getWidth() + 200, window->getHeight() + 100);
    window->layout();
    EXPECT_GT(window->displays[0]->getWidth(), displayWidth);
    EXPECT_EQ(window->memoryButtons[0]->getWidth(), recallWidth);
    EXPECT_EQ(block->getHeight(), blockHeight);
    EXPECT_GT(pads->getFirst()->getWidth(), padWidth);
    EXPECT_GT(pads->getFirst()->getHeight(), padHeight);
}

TEST(WindowScale, HalfPixelsRoundDownAndNoResolutionBlowsTheWindowUp) {
    // The fonts' pixel sizes round up; sizes that round up too would make the
    // window at 144 dpi outgrow one and a half times.
    const WindowScale half(150);
    EXPECT_EQ(half(1), 1);
    EXPECT_EQ(half(5), 7);
    EXPECT_EQ(half(13), 19);
    EXPECT_EQ(half.lines(), 1);
    EXPECT_EQ(WindowScale(175).lines(), 2);
    // Neither a missing resolution nor one far beyond any screen makes the
    // window, and its icons' memory, explode.
    EXPECT_TRUE(WindowScale(0).isOne());
    EXPECT_EQ(WindowScale(100000).lines(), 5);
    EXPECT_EQ(WindowScale(1).value(), 0.5);
}

TEST(PixelArtIcon, GrowsByWholeBlocksOfTheSamePixels) {
    FXApp& application = testApplication();
    FXXPMIcon plain(&application, const_cast<const FXchar**>(calculator32_xpm));
    std::unique_ptr<FXIcon> triple(makePixelArtIcon(&application, calculator32_xpm, 3));
    ASSERT_EQ(triple->getWidth(), 96);
    ASSERT_EQ(triple->getHeight(), 96);
    EXPECT_EQ(triple->getTransparentColor(), plain.getTransparentColor());
    FXint wrong = 0; // the pixels are still in memory: neither icon is created
    for (FXint y = 0; y < 96; y++)
        for (FXint x = 0; x < 96; x++)
            wrong += triple->getPixel(x, y) != plain.getPixel(x / 3, y / 3);
    EXPECT_EQ(wrong, 0);
}

// A window built at a screen resolution, as the desktop or the user sets it
// for the fonts; the test application's registry is left as it was.
class ScaledWindowLayout : public WindowLayout {
protected:
    TestWindow* windowAt(FXuint resolution) {
        FXRegistry& registry = testApplication().reg();
        registry.writeUnsignedEntry("SETTINGS", "screenres", resolution);
        scaled.reset(new TestWindow(&testApplication()));
        registry.deleteEntry("SETTINGS", "screenres");
        scaled->create();
        scaled->layout();
        return scaled.get();
    }
    void TearDown() override {
        scaled.reset();
        WindowLayout::TearDown();
    }

    std::unique_ptr<TestWindow> scaled;
};

// Walks the two windows' trees side by side: every padding, spacing and frame
// width of one is that of the 96-dpi window at the scale.
void expectScaled(const WindowScale& scale, FXWindow* plain, FXWindow* grown) {
    const std::string name = plain->getClassName();
    ASSERT_EQ(name, grown->getClassName());
    if (plain->isMemberOf(FXMETACLASS(FXPacker))) {
        FXPacker* p = static_cast<FXPacker*>(plain);
        FXPacker* g = static_cast<FXPacker*>(grown);
        EXPECT_EQ(g->getPadLeft(), scale(p->getPadLeft())) << name;
        EXPECT_EQ(g->getPadRight(), scale(p->getPadRight())) << name;
        EXPECT_EQ(g->getPadTop(), scale(p->getPadTop())) << name;
        EXPECT_EQ(g->getPadBottom(), scale(p->getPadBottom())) << name;
        EXPECT_EQ(g->getHSpacing(), scale(p->getHSpacing())) << name;
        EXPECT_EQ(g->getVSpacing(), scale(p->getVSpacing())) << name;
    } else if (plain->isMemberOf(FXMETACLASS(FXFrame))) {
        FXFrame* p = static_cast<FXFrame*>(plain);
        FXFrame* g = static_cast<FXFrame*>(grown);
        const std::string label = static_cast<FXLabel*>(plain)->getText().text();
        EXPECT_EQ(g->getPadLeft(), scale(p->getPadLeft())) << label;
        EXPECT_EQ(g->getPadRight(), scale(p->getPadRight())) << label;
        EXPECT_EQ(g->getPadTop(), scale(p->getPadTop())) << label;
        EXPECT_EQ(g->getPadBottom(), scale(p->getPadBottom())) << label;
        EXPECT_EQ(g->getBorderWidth(), scale(p->getBorderWidth())) << label;
    }
    ASSERT_EQ(plain->numChildren(), grown->numChildren()) << name;
    for (FXWindow *p = plain->getFirst(), *g = grown->getFirst(); p;
         p = p->getNext(), g = g->getNext())
        expectScaled(scale, p, g);
}

TEST_F(ScaledWindowLayout, EveryNamedSizeGrowsWithTheResolutionTheFontsFollow) {
    // The whole window's size depends on the fonts the machine has; the end-to-
    // end test measures it with known ones.
    const FXint indicator =
        static_cast<ScaledRadioButton*>(window->displays[0])->getIndicatorSize();
    EXPECT_EQ(indicator, 13);
    for (FXuint resolution : {150u, 200u}) {
        SCOPED_TRACE(resolution);
        TestWindow* grown = windowAt(resolution);
        const WindowScale scale(resolution);
        EXPECT_GT(grown->normalFont->getFontHeight(), window->normalFont->getFontHeight());
        expectScaled(scale, window, grown);
        for (FXRadioButton* display : grown->displays)
            EXPECT_EQ(static_cast<ScaledRadioButton*>(display)->getIndicatorSize(),
                      scale(indicator));
        // The icons grow by whole pixel blocks, the window manager's and the
        // About box's alike.
        EXPECT_EQ(grown->bigIcon->getWidth(), 32 * scale.lines());
        EXPECT_EQ(grown->smallIcon->getHeight(), 16 * scale.lines());
    }
    EXPECT_EQ(static_cast<ScaledButton*>(scaled->memoryButtons[0])->getOuterWidth(), 2);
}

// Walks the two windows' trees side by side: every widget of the window drawn
// again at a scale has the place, size, frame and font of the one built at it.
// Gives every label of one tree the text of the same label in the other.
void copyTexts(FXWindow* from, FXWindow* to) {
    if (from->isMemberOf(FXMETACLASS(FXLabel)))
        static_cast<FXLabel*>(to)->setText(static_cast<FXLabel*>(from)->getText());
    for (FXWindow *f = from->getFirst(), *t = to->getFirst(); f && t;
         f = f->getNext(), t = t->getNext())
        copyTexts(f, t);
}

void expectSameFace(FXWindow* built, FXWindow* redrawn) {
    const std::string name = built->getClassName();
    ASSERT_EQ(name, redrawn->getClassName());
    const std::string label = built->isMemberOf(FXMETACLASS(FXLabel))
                                  ? static_cast<FXLabel*>(built)->getText().text()
                                  : name;
    EXPECT_EQ(redrawn->getX(), built->getX()) << label;
    EXPECT_EQ(redrawn->getY(), built->getY()) << label;
    EXPECT_EQ(redrawn->getWidth(), built->getWidth()) << label;
    EXPECT_EQ(redrawn->getHeight(), built->getHeight()) << label;
    if (built->isMemberOf(FXMETACLASS(ScaledButton))) {
        EXPECT_EQ(static_cast<ScaledButton*>(redrawn)->getOuterWidth(),
                  static_cast<ScaledButton*>(built)->getOuterWidth())
            << label;
    }
    if (built->isMemberOf(FXMETACLASS(ScaledRadioButton))) {
        EXPECT_EQ(static_cast<ScaledRadioButton*>(redrawn)->getIndicatorSize(),
                  static_cast<ScaledRadioButton*>(built)->getIndicatorSize())
            << label;
    }
    if (built->isMemberOf(FXMETACLASS(FXLabel))) {
        EXPECT_EQ(static_cast<FXLabel*>(redrawn)->getFont()->getFontHeight(),
                  static_cast<FXLabel*>(built)->getFont()->getFontHeight())
            << label;
    }
    ASSERT_EQ(built->numChildren(), redrawn->numChildren()) << name;
    for (FXWindow *b = built->getFirst(), *r = redrawn->getFirst(); b;
         b = b->getNext(), r = r->getNext())
        expectSameFace(b, r);
}

TEST_F(ScaledWindowLayout, RedrawnAtANewResolutionTheWindowIsOneBuiltAtItWithNothingLost) {
    // A session in hexadecimal: 0xC in memory 0, "+" pending, 7 being typed,
    // degrees, the hexadecimal display copied and holding the focus; the
    // end-to-end test goes on with it through the engine.
    clickDisplay(BASE_HEXADECIMAL);
    click({"C"});
    press(AppWindow::ID_STORE_0);
    click({"+", "7"});
    press(AppWindow::ID_ANGLE);
    press(AppWindow::ID_COPY_HEX);
    window->displays[BASE_HEXADECIMAL]->setFocus();
    ASSERT_TRUE(window->hasClipboard());
    const std::string shownBefore = allShown();
    const FXString memory = window->memoryButtons[0]->getText();
    const FXString angle = window->angleButton->getText();
    FXIcon* const big = window->bigIcon;
    FXFont* const font = window->normalFont;
    const FXint x = window->getX(), y = window->getY();
    const FXint plainWidth = window->getWidth();

    FXRegistry& registry = testApplication().reg();
    for (FXuint resolution : {200u, 100u, 150u}) {
        SCOPED_TRACE(resolution);
        registry.writeUnsignedEntry("SETTINGS", "screenres", resolution);
        window->rescale();
        registry.deleteEntry("SETTINGS", "screenres");
        // Built at the resolution and showing the same texts, it opens at this size.
        TestWindow* built = windowAt(resolution);
        copyTexts(window, built);
        built->resize(built->getDefaultWidth(), built->getDefaultHeight());
        built->layout();
        EXPECT_EQ(window->getWidth(), built->getWidth());
        EXPECT_EQ(window->getHeight(), built->getHeight());
        expectSameFace(built, window);
        EXPECT_EQ(window->bigIcon->getWidth(), built->bigIcon->getWidth());
        EXPECT_EQ(window->smallIcon->getHeight(), built->smallIcon->getHeight());
        // The same objects everywhere, so nothing pointing at them is left behind.
        EXPECT_EQ(window->getIcon(), big);
        EXPECT_EQ(window->normalFont, font);
        EXPECT_EQ(window->getX(), x);
        EXPECT_EQ(window->getY(), y);
        EXPECT_EQ(allShown(), shownBefore);
        EXPECT_EQ(window->memoryButtons[0]->getText(), memory);
        EXPECT_EQ(window->angleButton->getText(), angle);
        EXPECT_EQ(window->displays[1]->getParent()->getFocus(), window->displays[1]);
        EXPECT_TRUE(window->hasClipboard());
        EXPECT_EQ(checkedDisplays(), 1);
    }
    EXPECT_GT(window->getWidth(), plainWidth);
}

TEST_F(WindowLayout, OwnIndicatorDrawsTheToolkitsShapeAndColours) {
    // A scale a hair above 1 keeps every size of the 96-dpi indicator but
    // draws it with the radio button's own code, which must then paint what
    // the toolkit paints, checked or not, pixel for pixel.
    FXMainWindow shell(&testApplication(), "indicators", nullptr, nullptr, DECOR_NONE, 0, 0, 300,
                       60);
    FXVerticalFrame* column = new FXVerticalFrame(&shell, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    const FXuint options = RADIOBUTTON_NORMAL | JUSTIFY_LEFT | LAYOUT_FILL_X;
    FXRadioButton* theirs =
        new FXRadioButton(column, "0x00000000", nullptr, 0, options, 0, 0, 0, 0, 2, 2, 2, 2);
    FXRadioButton* ours =
        new ScaledRadioButton(WindowScale(101), column, "0x00000000", nullptr, 0, options, 2);
    for (FXRadioButton* b : {theirs, ours}) {
        b->setFont(window->displayFont);
        b->setBackColor(FXRGB(220, 220, 255));
    }
    shell.create();
    EXPECT_EQ(ours->getDefaultWidth(), theirs->getDefaultWidth());
    EXPECT_EQ(ours->getDefaultHeight(), theirs->getDefaultHeight());
    for (bool checked : {false, true}) {
        theirs->setCheck(checked);
        ours->setCheck(checked);
        const std::vector<FXColor> expected = shownPixels(theirs);
        const std::vector<FXColor> drawn = shownPixels(ours);
        ASSERT_EQ(drawn.size(), expected.size());
        FXint differing = 0;
        for (size_t i = 0; i < drawn.size(); i++)
            differing += drawn[i] != expected[i];
        EXPECT_EQ(differing, 0) << (checked ? "checked" : "unchecked");
    }
}

TEST_F(WindowLayout, FramesAtTwiceTheScaleRepeatEachOfTheToolkitsLines) {
    // Across the middle of each side, every line of the toolkit's frame comes
    // out as two of the same colour, raised and sunken, plain and thick.
    FXMainWindow shell(&testApplication(), "frames", nullptr, nullptr, DECOR_NONE, 0, 0, 300, 200);
    FXVerticalFrame* column = new FXVerticalFrame(&shell, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    struct Pair {
        FXButton* theirs;
        FXButton* ours;
        FXint lines;
    };
    std::vector<Pair> pairs;
    for (FXuint options : {FXuint(BUTTON_NORMAL), FXuint(FRAME_RAISED)}) {
        FXButton* theirs =
            new FXButton(column, "MEM", nullptr, nullptr, 0, options, 0, 0, 0, 0, 2, 2, 2, 2);
        FXButton* ours = new ScaledButton(WindowScale(200), column, "MEM", nullptr, 0, options, 2);
        pairs.push_back({theirs, ours, options == BUTTON_NORMAL ? 2 : 1});
    }
    shell.create();
    for (FXuint state : {FXuint(STATE_UP), FXuint(STATE_DOWN)}) {
        for (const Pair& pair : pairs) {
            SCOPED_TRACE(testing::Message() << "state " << state << ", lines " << pair.lines);
            pair.theirs->setState(state);
            pair.ours->setState(state);
            EXPECT_EQ(pair.ours->getBorderWidth(), 2 * pair.theirs->getBorderWidth());
            const std::vector<FXColor> expected = shownPixels(pair.theirs);
            const std::vector<FXColor> drawn = shownPixels(pair.ours);
            const FXint w = pair.theirs->getWidth(), h = pair.theirs->getHeight();
            const FXint W = pair.ours->getWidth(), H = pair.ours->getHeight();
            for (FXint line = 0; line < pair.lines; line++) {
                for (FXint half = 0; half < 2; half++) {
                    const FXint at = 2 * line + half;
                    EXPECT_EQ(drawn[(H / 2) * W + at], expected[(h / 2) * w + line]) << "left";
                    EXPECT_EQ(drawn[(H / 2) * W + W - 1 - at], expected[(h / 2) * w + w - 1 - line])
                        << "right";
                    EXPECT_EQ(drawn[at * W + W / 2], expected[line * w + w / 2]) << "top";
                    EXPECT_EQ(drawn[(H - 1 - at) * W + W / 2], expected[(h - 1 - line) * w + w / 2])
                        << "bottom";
                }
            }
            // Inside the frame, the face.
            EXPECT_EQ(drawn[(H / 2) * W + 2 * pair.lines], expected[(h / 2) * w + pair.lines]);
        }
    }
}

} // namespace
