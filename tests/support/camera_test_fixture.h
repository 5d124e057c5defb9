#pragma once

// Camera operations in front of the sandbox host, with a real figure window
// that counts the repaints it receives and a control window holding the undo
// (1007) and restore (1009) buttons, both disabled. Like the real host, the
// sandbox invalidates the figure window after every camera setter; the fixture
// also invalidates it before each operation, so that any UpdateWindow the
// operation makes is seen as one WM_PAINT.

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/sandbox_host_fixture.h"

struct FigurePaintLog {
    int paints;
    int callCountAtPaint;  // host calls logged when the last WM_PAINT arrived
};

inline FigurePaintLog& FigurePaints()
{
    static FigurePaintLog log{};
    return log;
}

inline LRESULT CALLBACK FigureProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        ++FigurePaints().paints;
        FigurePaints().callCountAtPaint = sandbox_host_state()->callCount;
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

// One visible window for the whole run: under Wine, hiding or destroying a
// mapped window waits for the X server's answer, which costs seconds.
inline HWND FigureProbeWindow()
{
    static const HWND window = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = FigureProbeProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VormeltFigureProbe";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, "VormeltFigureProbe", "figure", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }();
    return window;
}

class CameraOperationTest : public SandboxHostTest {
protected:
    static constexpr int UndoButton = 1007;
    static constexpr int RestoreButton = 1009;

    void SetUp() override
    {
        SandboxHostTest::SetUp();
        figure = FigureProbeWindow();
        ASSERT_NE(figure, nullptr);
        control = CreateWindowExA(0, "STATIC", "control", WS_POPUP, 0, 0, 250, 32, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(control, nullptr);
        for (int id : {UndoButton, RestoreButton}) {
            ASSERT_NE(CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_DISABLED | BS_PUSHBUTTON, 0, 0, 20, 20, control,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                      nullptr),
                      nullptr);
        }
        SessionState.FigureWindow = figure;
        SessionState.ControlWindow = control;
        host->onSceneChanged = [](void* window) { InvalidateRect(static_cast<HWND>(window), nullptr, FALSE); };
        host->onSceneChangedContext = figure;
        StartCountingRepaints();
    }

    void TearDown() override
    {
        host->onSceneChanged = nullptr;
        DestroyWindow(control);
    }

    // Draws whatever is pending, then invalidates the figure window afresh.
    void StartCountingRepaints()
    {
        UpdateWindow(figure);
        FigurePaints() = FigurePaintLog{};
        InvalidateRect(figure, nullptr, FALSE);
    }

    int Repaints() const { return FigurePaints().paints; }

    // The host operations logged just before and just after the last repaint.
    int OperationBeforeRepaint() const { return LoggedOperation(FigurePaints().callCountAtPaint - 1); }
    int OperationAfterRepaint() const { return LoggedOperation(FigurePaints().callCountAtPaint); }

    bool ButtonEnabled(int id) const { return IsWindowEnabled(GetDlgItem(control, id)) != FALSE; }

    // A fresh host call log, as if nothing had happened yet.
    void ClearCallLog() { host->callCount = 0; }

    HWND figure = nullptr;
    HWND control = nullptr;

private:
    int LoggedOperation(int index) const
    {
        if (index < 0 || index >= host->callCount || index >= SandboxMaxCalls)
            return SandboxNoOperation;
        return host->calls[index].operation;
    }
};
