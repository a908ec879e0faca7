#include "drop_files.h"

#include "message_queue.h"
#include "native_window.h"

#include <wx/dnd.h>
#include <wx/window.h>

#include <cstring>

struct HDROP__ {
    std::vector<std::string> paths;
};

namespace {

// Posts the drop rather than handling it inside the toolkit's drag protocol, so a slow
// load or a message box never holds up the drag source.
class PostingDropTarget : public wxFileDropTarget {
public:
    explicit PostingDropTarget(HWND hWnd) : m_hWnd(hWnd) {}

    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override
    {
        std::vector<std::string> paths;
        for (const wxString& name : names)
            paths.emplace_back(name.fn_str());
        PostMessage(m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        return true;
    }

private:
    HWND m_hWnd;
};

}  // namespace

void DragAcceptFiles(HWND hWnd, BOOL fAccept)
{
    wxWindow* window = NativeWindow(hWnd);
    if (window == nullptr)
        return;
    window->SetDropTarget(fAccept ? new PostingDropTarget(hWnd) : nullptr);
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPSTR lpszFile, UINT cch)
{
    if (hDrop == nullptr)
        return 0;
    if (iFile == 0xFFFFFFFFu)
        return static_cast<UINT>(hDrop->paths.size());
    if (iFile >= hDrop->paths.size())
        return 0;
    const std::string& path = hDrop->paths[iFile];
    if (lpszFile == nullptr)
        return static_cast<UINT>(path.size());
    if (cch == 0)
        return 0;
    const std::size_t copied = std::min<std::size_t>(path.size(), cch - 1);
    std::memcpy(lpszFile, path.data(), copied);
    lpszFile[copied] = '\0';
    return static_cast<UINT>(copied);
}

void DragFinish(HDROP hDrop)
{
    delete hDrop;
}

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    return new HDROP__{paths};
}
