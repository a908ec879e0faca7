#include "cube_doc.h"

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

// Loads the volume a slab of layers at a time: the archive reads each slab straight from
// the file, and the decoding rule turns its bytes into cells while they are still in the
// cache. The same bytes reach the same cells as one byte a cell would. The wait cursor
// begun here is ended by the view once it has the new grid; a short file throws out of
// the loop with the cells read so far replaced.
void CCubeDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        return;
    AfxGetApp()->BeginWaitCursor();
    constexpr int kLayersInSlab = 16;
    constexpr UINT kSlabBytes = kLayersInSlab * VoxelGrid::kLayerStride;
    alignas(4096) static BYTE fileBytes[kSlabBytes];  // page-aligned: the system copies into it fastest
    for (int layer = 0; layer < VoxelGrid::kLayers; layer += kLayersInSlab) {
        const UINT got = ar.Read(fileBytes, kSlabBytes);
        BYTE* slabCells = &m_voxels[VoxelGrid::Index(layer, 0, 0)];
        for (UINT cell = 0; cell < got; ++cell)
            slabCells[cell] = DecodeVolumeByte(fileBytes[cell]);
        if (got < kSlabBytes)
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
