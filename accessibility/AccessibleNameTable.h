// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The names a program gives the widgets whose own text does not say what they
// do: a symbol ("!", "1/x"), a label shared by several buttons ("<"), or a
// frame with no text at all. Every other widget is named by its text.
#pragma once

#include <fx.h>

#include <cstddef>

struct AccessibleNames {
    // A widget whose label is this text is named so. The label is compared
    // with its surrounding blanks removed.
    struct ByLabel {
        const char* label;
        const char* name;
    };
    // A widget that sends this message is named so, whatever its label, as
    // when one label stands on several buttons. A widget whose label is a
    // number (an amount it shows) carries it after the name: "Memory 0, 12.00".
    struct BySelector {
        FX::FXSelector selector;
        const char* name;
    };
    // A frame with no text of its own is named by the message of its first
    // widget.
    struct ByFirstChild {
        FX::FXSelector selector;
        const char* name;
    };

    // The class of the object the named messages go to: a dialog's buttons
    // send other messages that may have the same numbers.
    const FX::FXMetaClass* target;
    const ByLabel* labels;
    std::size_t labelCount;
    const BySelector* selectors;
    std::size_t selectorCount;
    const ByFirstChild* frames;
    std::size_t frameCount;
};
