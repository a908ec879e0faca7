// Command targets: objects with a message map that commands can be routed to, and the
// update-UI object through which a handler enables or checks a menu item or button.
#pragma once

#include "message_map.h"
#include "object.h"

// Filled in instead of calling the handler, to learn whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Looks for a handler of the command (or of its update request, pCmdUI given) in this
    // object's map chain; derived classes extend the search along the routing road.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Finds the first entry for the message in the map chain, or null.
    static const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, int code, UINT id);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
};

// The state a command's user interface should take. The framework gives one to every
// update handler along the routing road; the first handler to answer wins.
class CCmdUI {
public:
    UINT m_nID = 0;
    BOOL m_bEnableChanged = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE) { m_bEnableChanged = TRUE; }
    virtual void SetCheck(int nCheck = 1) {}

    // Asks the target for the state; with no update handler the command is enabled when
    // some handler exists for it, and disabled otherwise if bDisableIfNoHandler.
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};
