// Shared fixture of the stand-in tests: a fresh desktop per test and small window helpers.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <win32_test_control.h>

#include <string>
#include <vector>

class StandInTest : public testing::Test {
protected:
    void SetUp() override {
        Win32Test_Reset();
        module_ = Win32Test_CreateModule("test.exe");
    }
    void TearDown() override { Win32Test_Reset(); }

    // Registers a class whose procedure is the given one (DefWindowProc when none).
    void Register(LPCSTR name, WNDPROC proc = nullptr, HBRUSH background = nullptr, int extra = 0) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc ? proc : DefWindowProcA;
        wc.hInstance = module_;
        wc.lpszClassName = name;
        wc.hbrBackground = background;
        wc.cbWndExtra = extra;
        ASSERT_NE(RegisterClassA(&wc), 0);
    }
    HWND TopLevel(int width = 200, int height = 100, DWORD style = WS_POPUP | WS_VISIBLE, LPCSTR cls = "Static") {
        return CreateWindowExA(0, cls, "", style, 0, 0, width, height, nullptr, nullptr, module_, nullptr);
    }
    HWND Child(HWND parent, LPCSTR cls, DWORD style, int x, int y, int w, int h, int id = 0, LPCSTR text = "") {
        return CreateWindowExA(0, cls, text, WS_CHILD | style, x, y, w, h, parent, (HMENU)(INT_PTR)id, module_,
                               nullptr);
    }

    HINSTANCE module_ = nullptr;
};
