// The two roads by which a volume reaches the view's grid: a copy of the document's
// after File Open, or a file dropped on the view, read straight in.
#include "cube_view.h"

#include "document/cube_doc.h"

#include "framework/file.h"
#include "framework/win_app.h"

#include <algorithm>

void CCubeView::OnUpdate(CView*, LPARAM, CObject*)
{
    m_voxels = GetDocument()->m_voxels;
    AfxGetApp()->EndWaitCursor();
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->SetWindowText("Dorvane");
}

// A file that cannot be read leaves the picture and the caption as they were and says
// why; a short one fills the cells past its end with 0.
void CCubeView::OnDropFiles(HDROP hDropInfo)
{
    AfxGetApp()->BeginWaitCursor();

    const UINT count = ::DragQueryFile(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    CString name;
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFile(hDropInfo, i, nullptr, 0);
        LPSTR buffer = name.GetBuffer(static_cast<int>(length) + 1);
        ::DragQueryFile(hDropInfo, i, buffer, length + 1);
        name.ReleaseBuffer();
    }
    if (count == 0) {
        AfxGetApp()->EndWaitCursor();
        return;
    }

    CWnd* pMainWnd = AfxGetMainWnd();
    const CString shownCaption = pMainWnd != nullptr ? pMainWnd->GetWindowText() : CString();
    if (pMainWnd != nullptr)
        pMainWnd->SetWindowText(name);

    // Read whole into a buffer of its own, so a file that fails part-way leaves the grid
    // as it was; page-aligned, which the system copies into fastest.
    alignas(4096) static BYTE bytes[VoxelGrid::kCells];
    CFileException failure;
    bool loaded = false;
    {
        CFile file;
        if (file.Open(name, CFile::modeRead, &failure)) {
            try {
                const UINT got = file.Read(bytes, VoxelGrid::kCells);
                std::fill(bytes + got, bytes + VoxelGrid::kCells, BYTE{0});
                loaded = true;
            } catch (const CFileException& readFailure) {
                failure = readFailure;
            }
            file.Close();
        }
    }

    if (loaded)
        for (int layer = 0; layer < VoxelGrid::kLayers; ++layer)
            for (int row = 0; row < VoxelGrid::kRows; ++row)
                for (int column = 0; column < VoxelGrid::kColumns; ++column) {
                    const std::size_t cell = VoxelGrid::Index(layer, row, column);
                    m_voxels[cell] = DecodeVolumeByte(bytes[cell]);
                }

    AfxGetApp()->EndWaitCursor();

    if (!loaded) {
        if (pMainWnd != nullptr)
            pMainWnd->SetWindowText(shownCaption);
        MessageBox(failure.GetErrorMessage(), nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Invalidate(TRUE);
}
