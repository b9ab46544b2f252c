// Copying a display's text to the system clipboard and answering requests for it.
#include "AppWindow.h"

using namespace FX;

// The clipboard is not offered yet: a copy changes nothing.
long AppWindow::onCmdCopy(FXObject*, FXSelector, void*) {
    return 1;
}

// Nothing is ever offered, so there is nothing to answer with.
long AppWindow::onClipboardRequest(FXObject*, FXSelector, void*) {
    return 1;
}
