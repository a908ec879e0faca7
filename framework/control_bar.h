// Control bars: a toolbar of image buttons that can dock on the frame's sides or float.
#pragma once

#include "wnd.h"

#include <memory>
#include <vector>

struct ToolbarImages;

class CToolBar : public CWnd {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID = 0xE800);
    // The button images: the bitmap resource cut into 16 x 15 pictures from the left.
    BOOL LoadBitmap(UINT nIDResource);
    // One button per id, each taking the next image; tooltips come from the ids' strings.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle);
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    DWORD GetDockingStyle() const { return m_dwDockStyle; }
    BOOL IsVisible() const;

protected:
    HWND CreateNativeWindow(const CREATESTRUCT& cs) override;

private:
    void ApplyTooltips();

    DWORD m_dwBarStyle = 0;
    DWORD m_dwDockStyle = 0;
    std::vector<UINT> m_buttons;
    std::unique_ptr<ToolbarImages> m_pImages;
};
