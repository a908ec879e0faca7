#include "controller_dialog.h"

#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CDRctrl, CDialog)
END_MESSAGE_MAP()

CDRctrl::CDRctrl(CWnd* pParent) : CDialog(IDD_CONTROLLER, pParent) {}

CDRctrl::~CDRctrl() = default;

BOOL CDRctrl::Create(LPCSTR, LPCSTR, DWORD, const RECT&, CWnd* pParentWnd, UINT, CCreateContext*)
{
    return CDialog::Create(IDD_CONTROLLER, pParentWnd);
}

void CDRctrl::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SLIDER_ROTATE_H, m_slider);
}

BOOL CDRctrl::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}
