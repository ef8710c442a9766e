// Message boxes as pictures: a message box is answered by the modal responder without any window. When a
// driver wants to see one, it asks here before the box comes; the next message box is then shown as a window
// (caption, text and buttons) while the observer runs, and removed before the responder answers.
#pragma once

#include <functional>

#include "win32/types.h"

namespace winsim {

using MessageBoxObserver = std::function<void(HWND messageBoxWindow)>;
// Runs once, for the next message box, with its window open and painted. Reset drops a pending observer.
void ObserveNextMessageBox(MessageBoxObserver observe);

}  // namespace winsim
