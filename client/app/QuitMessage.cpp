#include "client/app/QuitMessage.h"

#include "client/app/WindowSystem.h"

namespace {
WindowSystem* s_target = nullptr;
}  // namespace

void PostQuitMessage() {
    if (s_target != nullptr) {
        s_target->PostQuit();
    }
}

void SetQuitMessageTarget(WindowSystem* window) {
    s_target = window;
}
