#include "WinDeskFixture.h"

#include "WinText.h"

namespace vane::test {

namespace {

std::vector<std::string> arguments(int argc, char* argv[]) {
    std::vector<std::string> list;
    for (int i = 0; i < argc; ++i) list.emplace_back(argv[i]);
    return list;
}

}  // namespace

desk::CoreFunctions FakeCore::Functions() {
    desk::CoreFunctions core;
    auto record = [this](int argc, char* argv[]) {
        calls.push_back(arguments(argc, argv));
        if (duringCall) duringCall();
        return 0;
    };
    core.d2h = record;
    core.d2p = record;
    core.display_info = record;
    core.check_winword = [this] {
        ++wordChecks;
        return wordVersion;
    };
    core.check_ghostscript = [this] { return ghostscript; };
    core.check_distiller = [] { return false; };
    return core;
}

TestProfiles::TestProfiles() {
    settings.SetPath(folder.path() + "\\settings.ini");
    settings.Load();
}

namespace {

struct Pending {
    std::wstring title;
    std::function<void(HWND)> fill;
    int button = IDOK;
    bool answered = false;
    UINT_PTR timer = 0;
};

Pending& pending() {
    static Pending state;
    return state;
}

}  // namespace

ModalAnswer::ModalAnswer(const std::wstring& title, std::function<void(HWND)> fill, int button) {
    Pending& state = pending();
    state.title = title;
    state.fill = std::move(fill);
    state.button = button;
    state.answered = false;
    state.timer = SetTimer(nullptr, 0, 20, Tick);
}

ModalAnswer::~ModalAnswer() {
    KillTimer(nullptr, pending().timer);
}

bool ModalAnswer::Answered() {
    return pending().answered;
}

BOOL CALLBACK ModalAnswer::Find(HWND window, LPARAM) {
    Pending& state = pending();
    if (state.answered || desk::window_text(window) != state.title) return TRUE;
    KillTimer(nullptr, state.timer);
    if (state.fill) state.fill(window);
    state.answered = true;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(state.button, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK ModalAnswer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), Find, 0);
}

std::string text_of(HWND window) {
    return desk::wide_to_utf8(desk::window_text(window));
}

void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace vane::test
