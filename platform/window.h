#pragma once
// Plain windows and dialogs. Each object keeps itself with its window and
// receives every message through one virtual handler.

#include <windows.h>

#include <optional>

#include "platform/handle.h"

namespace marilo {

HINSTANCE moduleInstance();

// A window of a class registered with registerClass(). The object must
// outlive its window; destroying the object destroys the window.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a window class whose windows are Window objects; true also
    // when it was registered before.
    static bool registerClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background);
    bool create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                int width, int height, HWND parent);
    void destroy();
    HWND hwnd() const { return hwnd_; }

protected:
    // Every message of the window. The default passes it to DefWindowProc.
    virtual LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

// A dialog built from a dialog template of the module's resources.
class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The usual modal run: the dialog shows itself and owns the loop.
    // Returns the result passed to end(), 0 when the loop ended on a quit
    // request (which stays queued), -1 when the template is missing.
    INT_PTR runModal(HWND parent);
    // A modal run that never shows the window by itself: the dialog appears
    // only when its own code shows it. Returns the result passed to end(), 0
    // when the loop ended on a quit request, -1 when the template is missing.
    INT_PTR runHiddenModal(HWND parent);
    // Ends the modal loop of either kind with this result.
    void end(INT_PTR result);
    // Creates the dialog inside `parent` without a loop of its own, as a
    // page of another dialog; the parent's loop serves it. It goes with its
    // parent or with this object, whichever goes first. Null on failure.
    HWND createChild(HWND parent);

    HWND hwnd() const { return hwnd_; }
    int templateId() const { return templateId_; }
    void setItemText(int id, const char* cp932);

protected:
    // Every message of the dialog. An empty result leaves it to the default
    // dialog processing; otherwise the value is the dialog procedure's result.
    virtual std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void useInstalledJapaneseFace();
    int templateId_;
    Font font_;  // the template's font on an installed face, when it lacks one
    HWND hwnd_ = nullptr;
    bool hiddenRun_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

}  // namespace marilo
