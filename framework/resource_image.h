// Pictures from the resource set as the toolkit's images. Framework-internal.
#pragma once

#include "resources.h"

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/log.h>
#include <wx/mstream.h>

// The picture the bytes hold, or an image that is not Ok() when they hold none the toolkit
// can read: the caller decides what a missing picture means, and no pop-up says it.
inline wxImage ResourceImage(const AfxBytes& bytes, wxBitmapType type)
{
    // Only the readers the resources need, added when first needed (BMP's is built in).
    if (wxImage::FindHandler(type) == nullptr && type == wxBITMAP_TYPE_PNG)
        wxImage::AddHandler(new wxPNGHandler);
    if (wxImage::FindHandler(type) == nullptr && type == wxBITMAP_TYPE_ICO)
        wxImage::AddHandler(new wxICOHandler);
    wxImage image;
    if (bytes.data == nullptr || bytes.size == 0)
        return image;
    wxLogNull quiet;
    wxMemoryInputStream stream(bytes.data, bytes.size);
    image.LoadFile(stream, type);
    return image;
}
