#pragma once
// Dialogs. Each object keeps itself with its window and receives every
// message through one virtual handler.

#include <windows.h>

#include <optional>

namespace marilo {

HINSTANCE moduleInstance();

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
    int templateId_;
    HWND hwnd_ = nullptr;
    bool hiddenRun_ = false;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

}  // namespace marilo
