// The frame's docking sites: the toolkit's docking manager. Framework-internal.
#pragma once

#include <wx/aui/aui.h>

// The toolkit's docking manager, made to dock a dragged toolbar the way a person expects.
// Left alone it docks a toolbar only while the pointer is outside the frame's client area,
// within a narrow band past its edge: a maximised frame, or one at the screen's edge, has
// no such band, and a floating bar that moves more than a few pixels per pointer event
// never even looks for one. Here a bar docks on any side it may when the pointer comes
// near that side from inside as well, and every move of a floating bar is considered.
class DockingManager : public wxAuiManager {
public:
    wxAuiFloatingFrame* CreateFloatingFrame(wxWindow* parent, const wxAuiPaneInfo& pane) override;
    bool ProcessDockResult(wxAuiPaneInfo& target, const wxAuiPaneInfo& proposed) override;

private:
    // Docks the pane at the side of the client area the pointer is near, if it may dock
    // there; false when the pointer is near no such side.
    bool DockAtNearSide(wxAuiPaneInfo& pane) const;
};
