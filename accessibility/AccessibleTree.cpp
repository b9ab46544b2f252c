// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The walk of the toolkit's widget tree: which widgets are shown on the bus,
// under which parent, and their names, descriptions and states.
#include "AccessibleTree.h"
#include "WidgetRoles.h"

#include <cstdlib>

using namespace FX;

namespace {

std::string trimmed(const FXString& text) {
    FXint begin = 0, end = text.length();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        begin++;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        end--;
    return std::string(text.text() + begin, end - begin);
}

// The bus takes only UTF-8: a byte that does not belong to a well-formed
// sequence becomes '?'.
std::string validUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        std::size_t length = c < 0x80         ? 1
                             : (c >> 5) == 6  ? 2
                             : (c >> 4) == 14 ? 3
                             : (c >> 3) == 30 ? 4
                                              : 0;
        bool ok = length != 0 && i + length <= text.size() && c != 0;
        for (std::size_t k = 1; ok && k < length; k++)
            ok = (static_cast<unsigned char>(text[i + k]) >> 6) == 2;
        if (ok && length == 2) ok = c >= 0xC2;
        if (ok && length == 3) {
            const unsigned char d = text[i + 1];
            ok = !(c == 0xE0 && d < 0xA0) && !(c == 0xED && d >= 0xA0);
        }
        if (ok && length == 4) {
            const unsigned char d = text[i + 1];
            ok = c <= 0xF4 && !(c == 0xF0 && d < 0x90) && !(c == 0xF4 && d >= 0x90);
        }
        if (ok) {
            out.append(text, i, length);
            i += length;
        } else {
            out += '?';
            i++;
        }
    }
    return out;
}

// A label that is a whole number as strtod reads it, such as "12.00" or "-inf".
bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end && *end == 0;
}

// Whether a widget sends the message to an object of the table's class.
bool sendsTo(const FXWindow* widget, const AccessibleNames& names, FXSelector selector) {
    const FXObject* target = widget->getTarget();
    return widget->getSelector() == selector && target && target->isMemberOf(names.target);
}

bool isShell(const FXWindow* widget) {
    return widget->isMemberOf(FXMETACLASS(FXShell));
}

// Whether a widget shows on the bus in its own right: a composite that holds
// only other composites is lifted away, its children taking its place.
bool holdsWidgets(const FXWindow* container) {
    for (FXWindow* child = container->getFirst(); child; child = child->getNext()) {
        if (isShell(child)) continue;
        const FXuint role = roleOf(child);
        if (role != ROLE_INVALID && role != ROLE_PANEL) return true;
    }
    return false;
}

} // namespace

AccessibleTree::AccessibleTree(FXApp* a, const AccessibleNames& n) : app(a), names(n) {}

FXint AccessibleTree::add(FXWindow* widget, FXint parent, FXuint role) {
    AccessibleNode node;
    node.widget = widget;
    node.parent = parent;
    node.role = role;
    if (widget) node.id = ids.idOf(widget, widget->id());
    const FXint index = static_cast<FXint>(list.size());
    if (parent >= 0) {
        node.indexInParent = static_cast<FXint>(list[parent].children.size());
        list[parent].children.push_back(index);
    }
    list.push_back(std::move(node));
    readWidget(list.back());
    return index;
}

void AccessibleTree::walkChildren(FXWindow* container, FXint parent) {
    for (FXWindow* child = container->getFirst(); child; child = child->getNext()) {
        if (isShell(child)) continue;
        const AccessibleRole role = roleOf(child);
        if (role == ROLE_INVALID) continue;
        if (role != ROLE_PANEL) {
            add(child, parent, role);
        } else if (holdsWidgets(child)) {
            walkChildren(child, add(child, parent, role));
        } else {
            walkChildren(child, parent);
        }
    }
}

void AccessibleTree::rebuild() {
    before.swap(list);
    list.clear();
    add(nullptr, -1, ROLE_APPLICATION);
    FXWindow* root = app->getRootWindow();
    for (FXWindow* top = root ? root->getFirst() : nullptr; top; top = top->getNext()) {
        const FXuint role = roleOf(top);
        if ((role != ROLE_FRAME && role != ROLE_DIALOG) || !top->id() || !top->shown()) continue;
        walkChildren(top, add(top, 0, role));
    }
    ids.forgetUnseen();
    byNumber.clear();
    for (FXint i = 0; i < static_cast<FXint>(list.size()); i++)
        byNumber[list[i].id] = i;
}

void AccessibleTree::keepActivity() {
    for (FXint top : list[0].children) {
        bool active = false;
        if (!before.empty())
            for (FXint prior : before[0].children)
                if (before[prior].id == list[top].id) active = before[prior].has(A11Y_ACTIVE);
        list[top].set(A11Y_ACTIVE, active);
    }
}

void AccessibleTree::setDescription(FXint index, const std::string& text) {
    list[index].description = text;
    described = list[index].id;
    description = text;
}

const AccessibleNode* AccessibleTree::byId(FXuint id) const {
    auto it = byNumber.find(id);
    return it == byNumber.end() ? nullptr : &list[it->second];
}

void AccessibleTree::clear() {
    described = 0;
    list.clear();
    before.clear();
    byNumber.clear();
}

void AccessibleTree::readWidget(AccessibleNode& node) const {
    FXWindow* widget = node.widget;
    if (!widget) {
        node.name = validUtf8(app->getAppName().text());
        return;
    }
    node.name = validUtf8(nameOf(widget, node.role));
    if (described && node.id == described)
        node.description = description;
    else if (widget->isMemberOf(FXMETACLASS(FXLabel)))
        node.description = validUtf8(static_cast<FXLabel*>(widget)->getTipText().text());

    // Inside its top-level window, from the toolkit's own layout.
    node.box.w = widget->getWidth();
    node.box.h = widget->getHeight();
    for (const FXWindow* w = widget; !isShell(w) && w->getParent(); w = w->getParent()) {
        node.box.x += w->getX();
        node.box.y += w->getY();
    }

    bool showing = widget->shown();
    for (FXWindow* up = widget->getParent(); showing && up && up != app->getRootWindow();
         up = up->getParent())
        showing = up->shown();
    node.set(A11Y_VISIBLE, widget->shown());
    node.set(A11Y_SHOWING, showing);
    // The toolkit enables only the widgets that take input; a window or a
    // frame is never disabled, so it counts as enabled.
    const bool enabled = widget->isEnabled() || widget->isMemberOf(FXMETACLASS(FXComposite));
    node.set(A11Y_ENABLED, enabled);
    node.set(A11Y_SENSITIVE, enabled);
    node.set(A11Y_FOCUSABLE, widget->canFocus());
    switch (node.role) {
    case ROLE_FRAME:
    case ROLE_DIALOG: {
        FXTopWindow* top = static_cast<FXTopWindow*>(widget);
        node.set(A11Y_ACTIVE, top->hasFocus());
        node.set(A11Y_RESIZABLE, (top->getDecorations() & DECOR_RESIZE) != 0);
        node.set(A11Y_MODAL, app->getModalWindow() == top);
        break;
    }
    case ROLE_RADIO_BUTTON:
        node.set(A11Y_CHECKABLE, true);
        node.set(A11Y_CHECKED, static_cast<FXRadioButton*>(widget)->getCheck() == TRUE);
        break;
    case ROLE_CHECK_BOX:
        node.set(A11Y_CHECKABLE, true);
        node.set(A11Y_CHECKED, static_cast<FXCheckButton*>(widget)->getCheck() == TRUE);
        break;
    case ROLE_TOGGLE_BUTTON:
        node.set(A11Y_CHECKABLE, true);
        node.set(A11Y_CHECKED, static_cast<FXToggleButton*>(widget)->getState() != FALSE);
        break;
    default:
        break;
    }
}

std::string AccessibleTree::nameOf(FXWindow* widget, FXuint role) const {
    if (role == ROLE_FRAME || role == ROLE_DIALOG)
        return static_cast<FXTopWindow*>(widget)->getTitle().text();
    if (role == ROLE_PANEL) {
        const FXWindow* first = widget->getFirst();
        for (std::size_t i = 0; first && i < names.frameCount; i++)
            if (sendsTo(first, names, names.frames[i].selector)) return names.frames[i].name;
        return std::string();
    }
    if (!widget->isMemberOf(FXMETACLASS(FXLabel))) return std::string();
    const std::string label = trimmed(static_cast<FXLabel*>(widget)->getText());
    for (std::size_t i = 0; i < names.selectorCount; i++) {
        if (!sendsTo(widget, names, names.selectors[i].selector)) continue;
        std::string name = names.selectors[i].name;
        if (isNumber(label)) name += ", " + label;
        return name;
    }
    for (std::size_t i = 0; i < names.labelCount; i++)
        if (label == names.labels[i].label) return names.labels[i].name;
    return label;
}

void AccessibleTree::setFocused(FXint index) {
    for (FXint i = 0; i < static_cast<FXint>(list.size()); i++)
        list[i].set(A11Y_FOCUSED, i == index);
}

const AccessibleNode* AccessibleTree::find(const char* path) const {
    const std::optional<FXuint> id = objectId(path);
    return id ? byId(*id) : nullptr;
}

FXint AccessibleTree::indexOf(const FXWindow* widget) const {
    for (FXint i = 1; i < static_cast<FXint>(list.size()); i++)
        if (list[i].widget == widget) return i;
    return -1;
}

std::string AccessibleTree::pathOf(FXint index) const {
    return objectPath(index <= 0 ? 0 : list[index].id);
}

FXint AccessibleTree::activeWindow() const {
    for (FXint top : list[0].children)
        if (list[top].has(A11Y_ACTIVE)) return top;
    return -1;
}

FXint AccessibleTree::toolkitFocus(FXint window) const {
    if (window < 0) return -1;
    FXWindow* widget = list[window].widget;
    while (widget->getFocus())
        widget = widget->getFocus();
    return widget == list[window].widget ? -1 : indexOf(widget);
}

FXint AccessibleTree::checkedRadio(FXint under) const {
    if (under < 0) return -1;
    for (FXint child : list[under].children) {
        if (list[child].role == ROLE_RADIO_BUTTON && list[child].has(A11Y_CHECKED)) return child;
        const FXint inside = checkedRadio(child);
        if (inside >= 0) return inside;
    }
    return -1;
}
