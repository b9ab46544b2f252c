// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one table from widget classes to accessibility roles. A class not in it
// takes the role of its nearest base class that is, so a widget of a class
// made later from a toolkit button is a push button with no change here.
#include "WidgetRoles.h"

using namespace FX;

namespace {

struct ClassRole {
    const FXMetaClass* metaClass;
    AccessibleRole role;
};

// The radio and check buttons derive from the label, not the button, so each
// has its own row; the composites that remain are panels.
const ClassRole CLASS_ROLES[] = {
    {FXMETACLASS(FXMainWindow), ROLE_FRAME},      {FXMETACLASS(FXDialogBox), ROLE_DIALOG},
    {FXMETACLASS(FXTopWindow), ROLE_FRAME},       {FXMETACLASS(FXRadioButton), ROLE_RADIO_BUTTON},
    {FXMETACLASS(FXCheckButton), ROLE_CHECK_BOX}, {FXMETACLASS(FXToggleButton), ROLE_TOGGLE_BUTTON},
    {FXMETACLASS(FXButton), ROLE_PUSH_BUTTON},    {FXMETACLASS(FXLabel), ROLE_LABEL},
    {FXMETACLASS(FXSeparator), ROLE_SEPARATOR},   {FXMETACLASS(FXComposite), ROLE_PANEL},
};

struct RoleName {
    FXuint role;
    const char* name;
};

const RoleName ROLE_NAMES[] = {
    {ROLE_APPLICATION, "application"},
    {ROLE_FRAME, "frame"},
    {ROLE_DIALOG, "dialog"},
    {ROLE_PANEL, "panel"},
    {ROLE_PUSH_BUTTON, "push button"},
    {ROLE_RADIO_BUTTON, "radio button"},
    {ROLE_CHECK_BOX, "check box"},
    {ROLE_TOGGLE_BUTTON, "toggle button"},
    {ROLE_LABEL, "label"},
    {ROLE_SEPARATOR, "separator"},
};

} // namespace

AccessibleRole roleOf(const FXWindow* widget) {
    for (const FXMetaClass* cls = widget->getMetaClass(); cls; cls = cls->getBaseClass())
        for (const ClassRole& row : CLASS_ROLES)
            if (row.metaClass == cls) return row.role;
    return ROLE_INVALID;
}

const char* roleName(FXuint role) {
    for (const RoleName& row : ROLE_NAMES)
        if (row.role == role) return row.name;
    return "unknown";
}

bool roleIsClickable(FXuint role) {
    return role == ROLE_PUSH_BUTTON || role == ROLE_RADIO_BUTTON || role == ROLE_CHECK_BOX ||
           role == ROLE_TOGGLE_BUTTON;
}
