#include "Cubedoc.h"

#include "framework/archive.h"
#include "framework/win_app.h"

IMPLEMENT_DYNCREATE(CCubeDoc, CDocument)

BEGIN_MESSAGE_MAP(CCubeDoc, CDocument)
END_MESSAGE_MAP()

CCubeDoc::CCubeDoc()
{
    for (int layer = 0; layer < VoxelGrid::kLayers; ++layer)
        for (int row = 0; row < VoxelGrid::kRows; ++row)
            for (int column = 0; column < VoxelGrid::kColumns; ++column)
                m_voxels[VoxelGrid::Index(layer, row, column)] = 0;
}

CCubeDoc::~CCubeDoc() = default;

BOOL CCubeDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    return TRUE;
}

// Loads the volume, a row of bytes at a time: the same bytes reach the same cells as one
// byte a cell would. The wait cursor begun here is ended by the view once it has the new
// grid; a short file throws out of the loop with the cells read so far replaced.
void CCubeDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        return;
    AfxGetApp()->BeginWaitCursor();
    BYTE fileBytes[VoxelGrid::kColumns];
    for (int layer = 0; layer < VoxelGrid::kLayers; ++layer)
        for (int row = 0; row < VoxelGrid::kRows; ++row) {
            const UINT got = ar.Read(fileBytes, VoxelGrid::kColumns);
            for (UINT column = 0; column < got; ++column)
                m_voxels[VoxelGrid::Index(layer, row, static_cast<int>(column))] = DecodeVolumeByte(fileBytes[column]);
            if (got < VoxelGrid::kColumns)
                ar.ThrowEndOfFile();
        }
}

#ifdef _DEBUG
void CCubeDoc::AssertValid() const
{
    CDocument::AssertValid();
}

void CCubeDoc::Dump(CDumpContext& dc) const
{
    CDocument::Dump(dc);
}
#endif
