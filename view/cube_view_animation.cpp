// Play: a timer ticking every kPlayTickMs, one frame a tick, and no backlog of ticks when
// frames take longer than that.
#include "cube_view.h"
#include "scene_constants.h"

#include "platform/message_queue.h"

void CCubeView::OnFilePlay()
{
    m_bPlaying = m_bPlaying ? FALSE : TRUE;
    if (m_bPlaying)
        SetTimer(kPlayTimer, kPlayTickMs, nullptr);
    else
        KillTimer(kPlayTimer);
}

void CCubeView::OnUpdateFilePlay(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bPlaying);
}

void CCubeView::OnTimer(UINT nIDEvent)
{
    DrawScene();
    CView::OnTimer(nIDEvent);

    // Ticks that came due while the frame was drawn are dropped, not drawn late.
    MSG msg;
    while (::PeekMessage(&msg, m_hWnd, WM_TIMER, WM_TIMER, PM_REMOVE))
        ;
}
