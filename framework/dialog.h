// Dialogs made from templates in dialog units, run modally or modelessly, and the data
// exchange that binds a control object to one of their controls.
#pragma once

#include "wnd.h"

struct AfxDialogTemplate;

// What a dialog's data exchange works on: the dialog whose controls are bound.
struct CDataExchange {
    CWnd* m_pDlgWnd;
};

// Binds the control object to the dialog's control with the given id, the first time.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally; IDOK or IDCANCEL, or -1 when it could not be made.
    virtual int DoModal();
    // Makes the dialog's window modelessly and returns at once; it shows only if the
    // template says so.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) {}
    HWND CreateNativeWindow(const CREATESTRUCT& cs) override;

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

private:
    BOOL CreateFromTemplate(UINT nIDTemplate, CWnd* pParentWnd);
    const AfxDialogTemplate* m_pTemplate = nullptr;  // the one being made
};

// The desktop's trackbar, bound to a dialog's control.
class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
};
