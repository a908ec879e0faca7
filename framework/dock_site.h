// The frame's docking sites, on the toolkit's docking manager. Framework-internal.
#pragma once

#include <wx/aui/aui.h>

struct DockSite {
    wxAuiManager manager;
};
