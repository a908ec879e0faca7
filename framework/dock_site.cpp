#include "dock_site.h"

#include <wx/aui/floatpane.h>
#include <wx/utils.h>

namespace {

// How near a side, inside the frame, the pointer docks a dragged toolbar there: the margin
// the manager itself gives its other panes. Kept narrow, so that a bar dragged off its
// dock into the view floats rather than jumping to the side the pointer passes.
constexpr int kDockBand = 5;

// A floating toolbar's window that tells the manager of each of its moves while the
// pointer's button is held, however far it went since the last one.
class ToolbarFloatingFrame : public wxAuiFloatingFrame {
public:
    ToolbarFloatingFrame(wxWindow* parent, wxAuiManager* manager, const wxAuiPaneInfo& pane)
        : wxAuiFloatingFrame(parent, manager, pane)
    {
        Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
            event.Skip();
            if (wxGetMouseState().LeftIsDown())
                OnMoving(GetRect(), wxALL);
        });
    }
};

}  // namespace

wxAuiFloatingFrame* DockingManager::CreateFloatingFrame(wxWindow* parent, const wxAuiPaneInfo& pane)
{
    if (!pane.IsToolbar())
        return wxAuiManager::CreateFloatingFrame(parent, pane);
    return new ToolbarFloatingFrame(parent, this, pane);
}

bool DockingManager::ProcessDockResult(wxAuiPaneInfo& target, const wxAuiPaneInfo& proposed)
{
    wxAuiPaneInfo docked = proposed;
    if (proposed.IsToolbar() && proposed.IsFloating() && DockAtNearSide(docked))
        return wxAuiManager::ProcessDockResult(target, docked);
    return wxAuiManager::ProcessDockResult(target, proposed);
}

bool DockingManager::DockAtNearSide(wxAuiPaneInfo& pane) const
{
    wxWindow* frame = GetManagedWindow();
    const wxPoint pointer = frame->ScreenToClient(wxGetMousePosition());
    const wxSize client = frame->GetClientSize();
    const int band = frame->FromDIP(kDockBand);
    if (!wxRect(client).Contains(pointer))
        return false;
    // Toolbars share one layer outside the other panes, as the manager docks them itself.
    constexpr int kToolbarLayer = 10;
    pane.Dock().Layer(kToolbarLayer).Row(0).Position(0);
    if (pointer.x < band && pane.IsLeftDockable())
        pane.Left();
    else if (pointer.x >= client.x - band && pane.IsRightDockable())
        pane.Right();
    else if (pointer.y < band && pane.IsTopDockable())
        pane.Top();
    else if (pointer.y >= client.y - band && pane.IsBottomDockable())
        pane.Bottom();
    else
        return false;
    return true;
}
