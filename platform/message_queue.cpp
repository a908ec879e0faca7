#include "message_queue.h"

#include "drop_files.h"

#include "binding_seams.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <deque>
#include <map>
#include <memory>
#include <utility>

namespace {

std::deque<MSG> g_queue;
MessageDispatcher g_dispatcher = nullptr;
bool g_pumpScheduled = false;

bool Matches(const MSG& msg, HWND hWnd, UINT low, UINT high)
{
    if (hWnd != nullptr && msg.hwnd != hWnd)
        return false;
    if (low == 0 && high == 0)
        return true;
    return msg.message >= low && msg.message <= high;
}

// A drop's paths live as long as its message: the handler reads them, then they go.
void ReleaseMessage(const MSG& msg)
{
    if (msg.message == WM_DROPFILES)
        DragFinish(reinterpret_cast<HDROP>(msg.wParam));
}

void DispatchOne()
{
    if (g_queue.empty())
        return;
    MSG msg = g_queue.front();
    g_queue.pop_front();
    if (g_dispatcher != nullptr)
        g_dispatcher(msg);
    ReleaseMessage(msg);
}

// One message per pass through the event loop, so toolkit events interleave with ours
// the way they would with a real message queue.
void SchedulePump();

void Pump()
{
    g_pumpScheduled = false;
    DispatchOne();
    if (!g_queue.empty())
        SchedulePump();
}

void SchedulePump()
{
    if (g_pumpScheduled || wxTheApp == nullptr)
        return;
    g_pumpScheduled = true;
    wxTheApp->CallAfter(&Pump);
}

class PostingTimer : public wxTimer {
public:
    PostingTimer(HWND hWnd, std::uintptr_t id) : m_hWnd(hWnd), m_id(id) {}
    void Notify() override { PostMessage(m_hWnd, WM_TIMER, m_id, 0); }

private:
    HWND m_hWnd;
    std::uintptr_t m_id;
};

std::map<std::pair<HWND, std::uintptr_t>, std::unique_ptr<PostingTimer>> g_timers;

}  // namespace

void SetMessageDispatcher(MessageDispatcher dispatcher)
{
    g_dispatcher = dispatcher;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_queue.push_back(MSG{hWnd, message, wParam, lParam});
    SchedulePump();
    return TRUE;
}

BOOL PeekMessage(MSG* pMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    for (auto it = g_queue.begin(); it != g_queue.end(); ++it) {
        if (!Matches(*it, hWnd, wMsgFilterMin, wMsgFilterMax))
            continue;
        *pMsg = *it;
        if (wRemoveMsg & PM_REMOVE)
            g_queue.erase(it);
        return TRUE;
    }
    return FALSE;
}

void DiscardWindowMessages(HWND hWnd)
{
    for (auto it = g_queue.begin(); it != g_queue.end();) {
        if (it->hwnd != hWnd) {
            ++it;
            continue;
        }
        ReleaseMessage(*it);
        it = g_queue.erase(it);
    }
    for (auto it = g_timers.begin(); it != g_timers.end();)
        it = it->first.first == hWnd ? g_timers.erase(it) : std::next(it);
}

std::uintptr_t SetTimer(HWND hWnd, std::uintptr_t nIDEvent, UINT uElapse)
{
    AfxNoteBindingCall("SetTimer " + std::to_string(nIDEvent));
    auto& timer = g_timers[{hWnd, nIDEvent}];
    timer = std::make_unique<PostingTimer>(hWnd, nIDEvent);
    timer->Start(static_cast<int>(uElapse));
    return nIDEvent;
}

BOOL KillTimer(HWND hWnd, std::uintptr_t uIDEvent)
{
    AfxNoteBindingCall("KillTimer " + std::to_string(uIDEvent));
    return g_timers.erase({hWnd, uIDEvent}) > 0 ? TRUE : FALSE;
}
