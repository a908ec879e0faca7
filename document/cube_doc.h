// The document: the volume loaded by File Open.
#pragma once

#include "voxel_grid.h"

#include "framework/document.h"

class CCubeDoc : public CDocument {
protected:
    CCubeDoc();
    DECLARE_DYNCREATE(CCubeDoc)

public:
    VoxelGrid m_voxels;

    ~CCubeDoc() override;
    void Serialize(CArchive& ar) override;
#ifdef _DEBUG
    void AssertValid() const override;
    void Dump(CDumpContext& dc) const override;
#endif

protected:
    BOOL OnNewDocument() override;

    DECLARE_MESSAGE_MAP()
};
