// The state an update handler gives a menu item or a toolbar button, carried back to the
// toolkit's update event for that item. Framework-internal.
#pragma once

#include "cmd_target.h"
#include "native_ids.h"

#include <wx/event.h>

class UpdateEventCmdUI : public CCmdUI {
public:
    explicit UpdateEventCmdUI(wxUpdateUIEvent& event) : m_event(event)
    {
        m_nID = AfxCommandFromNativeId(event.GetId());
    }
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        m_event.Enable(bOn != FALSE);
    }
    void SetCheck(int nCheck) override { m_event.Check(nCheck != 0); }

    // A button shows pressed exactly while its handler checks it; a menu item that no
    // handler checks is left as it was made.
    void ClearCheckUnlessSet()
    {
        if (!m_event.GetSetChecked())
            m_event.Check(false);
    }

private:
    wxUpdateUIEvent& m_event;
};
