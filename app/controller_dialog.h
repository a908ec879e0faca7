// The controller dialog: its Rotation and zoom trackbars, made modelessly under a parent.
#pragma once

#include "framework/dialog.h"

class CDRctrl : public CDialog {
public:
    explicit CDRctrl(CWnd* pParent);
    ~CDRctrl() override;

    CSliderCtrl m_slider;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
