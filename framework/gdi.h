// Rectangles, device contexts and logical palettes.
#pragma once

#include "object.h"
#include "platform/windows_types.h"

#include <vector>

class CWnd;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    operator LPRECT() { return this; }
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

// A logical palette: the colours an indexed surface should show.
class CPalette : public CObject {
public:
    CPalette() = default;
    explicit CPalette(std::vector<PALETTEENTRY> entries) : m_entries(std::move(entries)) {}
    BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
    const std::vector<PALETTEENTRY>& Entries() const { return m_entries; }

private:
    std::vector<PALETTEENTRY> m_entries;
};

// The display's palette, that every window's realised palette is mapped into. It starts
// with the twenty reserved colours of the system palette.
class CSystemPalette {
public:
    static CSystemPalette& Instance();
    // Maps the logical palette in; returns how many entries changed.
    UINT Realize(const CPalette& palette);
    void Reset();

private:
    CSystemPalette() { Reset(); }
    std::vector<PALETTEENTRY> m_entries;
};

// A device context. Palette selection returns the palette it replaces, as the program
// needs to put it back later.
class CDC : public CObject {
public:
    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();

protected:
    CWnd* m_pWnd = nullptr;

private:
    CPalette* m_pPalette = &DefaultPalette();
    static CPalette& DefaultPalette();
};

// A device context on a window's client area, for as long as the object lives.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;
};
