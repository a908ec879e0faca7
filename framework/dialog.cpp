#include "dialog.h"

#include "resource_image.h"

#include "platform/native_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/fontenum.h>
#include <wx/settings.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

namespace {

constexpr DWORD kButtonKind = 0x0F;

// The template's face where the desktop has it; the desktop's own font otherwise.
wxFont DialogFont(const AfxDialogTemplate& dialog)
{
    if (dialog.faceName != nullptr && wxFontEnumerator::IsValidFacename(wxString::FromUTF8(dialog.faceName)))
        return wxFont(wxFontInfo(dialog.pointSize).FaceName(wxString::FromUTF8(dialog.faceName)));
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

wxBitmap IconBitmap(UINT nIDIcon)
{
    const auto& icons = AfxResources().icons;
    auto it = icons.find(nIDIcon);
    const wxImage image = it != icons.end() ? ResourceImage(it->second, wxBITMAP_TYPE_ICO) : wxImage();
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

void AddControl(wxDialog* dialog, const AfxDialogItem& item)
{
    const wxPoint position = dialog->ConvertDialogToPixels(wxPoint(item.x, item.y));
    const wxSize size = dialog->ConvertDialogToPixels(wxSize(item.cx, item.cy));
    const int id = AfxNativeControlId(item.id);
    const wxString text = wxString::FromUTF8(item.text != nullptr ? item.text : "");
    const bool isButton = std::strcmp(item.className, "BUTTON") == 0;
    wxWindow* control = nullptr;

    if (std::strcmp(item.className, "STATIC") == 0 && (item.style & 0x1F) == SS_ICON) {
        control = new wxStaticBitmap(dialog, id, IconBitmap(item.iconId), position);
    } else if (std::strcmp(item.className, "STATIC") == 0) {
        control = new wxStaticText(dialog, id, text, position, size);
    } else if (isButton && (item.style & kButtonKind) == BS_GROUPBOX) {
        control = new wxStaticBox(dialog, id, text, position, size);
    } else if (isButton) {
        auto* button = new wxButton(dialog, id, text, position, size);
        if ((item.style & kButtonKind) == BS_DEFPUSHBUTTON)
            button->SetDefault();
        control = button;
    } else if (std::strcmp(item.className, "msctls_trackbar32") == 0) {
        const long orientation = (item.style & TBS_VERT) ? wxSL_VERTICAL : wxSL_HORIZONTAL;
        control = new wxSlider(dialog, id, 0, 0, 100, position, size, orientation);
    }
    if (control != nullptr && !(item.style & WS_VISIBLE))
        control->Hide();
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::CreateNativeWindow(const CREATESTRUCT& cs)
{
    const AfxDialogTemplate& layout = *m_pTemplate;
    auto* dialog = new wxDialog(NativeWindow(cs.hwndParent), wxID_ANY, wxString::FromUTF8(layout.caption),
                                wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    // Dialog units follow the dialog's font, so the font comes first.
    dialog->SetFont(DialogFont(layout));
    dialog->SetClientSize(dialog->ConvertDialogToPixels(wxSize(layout.cx, layout.cy)));
    for (const AfxDialogItem& item : layout.items)
        AddControl(dialog, item);
    dialog->CentreOnParent();
    return WindowHandle(dialog);
}

BOOL CDialog::CreateFromTemplate(UINT nIDTemplate, CWnd* pParentWnd)
{
    const auto& dialogs = AfxResources().dialogs;
    auto found = dialogs.find(nIDTemplate);
    if (found == dialogs.end() || m_hWnd != nullptr)
        return FALSE;
    m_pTemplate = &found->second;
    if (!CWnd::Create(nullptr, nullptr, m_pTemplate->style, CRect(), pParentWnd, 0))
        return FALSE;
    OnInitDialog();
    return TRUE;
}

int CDialog::DoModal()
{
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (!CreateFromTemplate(m_nIDHelp, owner))
        return -1;
    const int result = static_cast<wxDialog*>(NativeWindow(m_hWnd))->ShowModal();
    DestroyWindow();
    return result == wxID_OK ? IDOK : IDCANCEL;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (!CreateFromTemplate(nIDTemplate, pParentWnd != nullptr ? pParentWnd : m_pParentWnd))
        return FALSE;
    if (GetStyle() & WS_VISIBLE)
        ShowWindow(TRUE);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    CDataExchange exchange{this};
    DoDataExchange(&exchange);
    return TRUE;
}
