// Runs a handler of the selection dialogs so that no exception leaves it:
// a failure is told to the user in a message box and the dialog stays as
// it was left.
#pragma once

#include <functional>

void RunGuarded(const std::function<void()>& handler);
