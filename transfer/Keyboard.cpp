// The keyboard: key presses that stand for keypad and operator buttons.
#include "AppWindow.h"

using namespace FX;

// No key is mapped yet; every key press is reported as not handled.
long AppWindow::onKeyPress(FXObject*, FXSelector, void*) {
    return 0;
}
