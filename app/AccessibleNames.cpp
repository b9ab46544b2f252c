// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The names a screen reader says for the buttons whose labels are symbols,
// for the buttons that share a label (told apart by their row), and for the
// pads. Buttons labelled with a word or a number are named by their label.
#include "AccessibleNames.h"
#include "AppWindow.h"

namespace {

const AccessibleNames::ByLabel LABEL_NAMES[] = {
    {"[RAD]", "Radians"},
    {"[DEG]", "Degrees"},
    {"!", "Factorial"},
    {"->rad", "To radians"},
    {"->deg", "To degrees"},
    {"x^2", "Square"},
    {"e^x", "Exponential"},
    {"->E", "Francs to euros"},
    {"10^x", "Ten to the power x"},
    {"->F", "Euros to francs"},
    {"1/x", "Inverse"},
    {"<<", "Shift left"},
    {">>", "Shift right"},
    {".", "Point"},
    {"+/-", "Change sign"},
    {"*", "Times"},
    {"/", "Divided by"},
    {"-", "Minus"},
    {"+", "Plus"},
    {"=", "Equals"},
    {"...", "About"},
};

// The memory buttons show the amount stored last, which their names carry.
const AccessibleNames::BySelector SELECTOR_NAMES[] = {
    {AppWindow::ID_RECALL_0, "Memory 0"},         {AppWindow::ID_RECALL_1, "Memory 1"},
    {AppWindow::ID_RECALL_2, "Memory 2"},         {AppWindow::ID_STORE_0, "Store in memory 0"},
    {AppWindow::ID_STORE_1, "Store in memory 1"}, {AppWindow::ID_STORE_2, "Store in memory 2"},
    {AppWindow::ID_COPY_BIN, "Copy binary"},      {AppWindow::ID_COPY_HEX, "Copy hexadecimal"},
    {AppWindow::ID_COPY_DEC, "Copy decimal"},
};

const AccessibleNames::ByFirstChild PAD_NAMES[] = {
    {AppWindow::ID_RECALL_0, "Memory and displays"},
    {AppWindow::ID_ACOS, "Functions"},
    {AppWindow::ID_SHL, "Integer operations"},
    {AppWindow::ID_KEY_A, "Keypad"},
    {AppWindow::ID_MOD, "Operators"},
};

const AccessibleNames CALCULATOR_NAMES = {
    FXMETACLASS(AppWindow),      LABEL_NAMES, ARRAYNUMBER(LABEL_NAMES), SELECTOR_NAMES,
    ARRAYNUMBER(SELECTOR_NAMES), PAD_NAMES,   ARRAYNUMBER(PAD_NAMES),
};

} // namespace

const AccessibleNames& calculatorAccessibleNames() {
    return CALCULATOR_NAMES;
}
