// Window-creation (CBT) hooks: per-thread and global chains, newest first, with CallNextHookEx.
#include "failures.h"
#include "window.h"

#include <algorithm>

using namespace win32;

namespace {

struct Hook {
    HHOOK handle = nullptr;
    int id = 0;
    HOOKPROC proc = nullptr;
    HINSTANCE module = nullptr;
    DWORD thread = 0;  // 0: every thread
    bool removed = false;
};

std::vector<std::shared_ptr<Hook>> g_hooks;  // in installation order
uintptr_t g_nextHook = 0x30000000;

// The chain being run on this thread, so that CallNextHookEx knows where it stands.
struct ChainCall {
    std::vector<std::shared_ptr<Hook>> chain;
    size_t position;
};
thread_local std::vector<ChainCall*> t_calls;

// Hooks of the calling thread come before global ones; within each, the newest first.
std::vector<std::shared_ptr<Hook>> chainFor(int id, DWORD thread) {
    std::vector<std::shared_ptr<Hook>> out;
    for (auto it = g_hooks.rbegin(); it != g_hooks.rend(); ++it)
        if ((*it)->id == id && (*it)->thread == thread && !(*it)->removed) out.push_back(*it);
    for (auto it = g_hooks.rbegin(); it != g_hooks.rend(); ++it)
        if ((*it)->id == id && (*it)->thread == 0 && !(*it)->removed) out.push_back(*it);
    return out;
}

LRESULT runFrom(ChainCall& call, size_t start, int code, WPARAM wParam, LPARAM lParam) {
    for (size_t i = start; i < call.chain.size(); ++i) {
        if (call.chain[i]->removed) continue;
        call.position = i;
        return call.chain[i]->proc(code, wParam, lParam);
    }
    return 0;
}

}  // namespace

namespace win32 {

LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    ChainCall call{chainFor(WH_CBT, GetCurrentThreadId()), 0};
    if (call.chain.empty()) return 0;
    t_calls.push_back(&call);
    LRESULT r = runFrom(call, 0, code, wParam, lParam);
    t_calls.pop_back();
    return r;
}

void resetHooks() {
    for (auto& h : g_hooks) h->removed = true;
    g_hooks.clear();
}

}  // namespace win32

extern "C" {

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
    if (idHook < -1 || idHook > 14) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (threadId == 0 && !module) {
        SetLastError(ERROR_HOOK_NEEDS_HMOD);
        return nullptr;
    }
    if (shouldFail(WIN32TEST_FAIL_HOOK)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto h = std::make_shared<Hook>();
    g_nextHook += 4;
    h->handle = (HHOOK)g_nextHook;
    h->id = idHook;
    h->proc = proc;
    h->module = module;
    h->thread = threadId;
    g_hooks.push_back(h);
    return h->handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto it = std::find_if(g_hooks.begin(), g_hooks.end(), [&](auto& h) { return h->handle == hook; });
    if (it == g_hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    (*it)->removed = true;  // a chain that is running skips it from now on
    g_hooks.erase(it);
    return TRUE;
}

// As on Windows NT, the hook handle is not needed: the chain being run knows its position.
LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    if (!t_calls.empty()) {
        ChainCall& call = *t_calls.back();
        size_t here = call.position;
        LRESULT r = runFrom(call, here + 1, code, wParam, lParam);
        call.position = here;
        return r;
    }
    // Outside a running chain: continue after the given hook in the calling thread's chain.
    for (int id = -1; id <= 14; ++id) {
        ChainCall call{chainFor(id, GetCurrentThreadId()), 0};
        for (size_t i = 0; i < call.chain.size(); ++i)
            if (call.chain[i]->handle == hook) {
                t_calls.push_back(&call);
                LRESULT r = runFrom(call, i + 1, code, wParam, lParam);
                t_calls.pop_back();
                return r;
            }
    }
    return 0;
}

}  // extern "C"
