// Closes every message box that this thread opens, as soon as it appears, after
// writing "MessageBox: <caption>: <text>" to standard error, so that a failure
// that shows a box can be run and checked unattended.
#pragma once

namespace demo {

// Watches the calling thread's windows from now on. False if it cannot.
bool dismissMessageBoxes();

}  // namespace demo
