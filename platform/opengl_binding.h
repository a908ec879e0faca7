// Binding OpenGL to a window: pixel formats, rendering contexts and buffer swaps, with
// the results the program relies on. Built on GLX.
#pragma once

#include "windows_types.h"

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "the descriptor is 40 bytes");

constexpr DWORD PFD_DOUBLEBUFFER = 0x00000001;
constexpr DWORD PFD_STEREO = 0x00000002;
constexpr DWORD PFD_DRAW_TO_WINDOW = 0x00000004;
constexpr DWORD PFD_DRAW_TO_BITMAP = 0x00000008;
constexpr DWORD PFD_SUPPORT_OPENGL = 0x00000020;
constexpr DWORD PFD_NEED_PALETTE = 0x00000080;
constexpr BYTE PFD_TYPE_RGBA = 0;
constexpr BYTE PFD_TYPE_COLORINDEX = 1;
constexpr BYTE PFD_MAIN_PLANE = 0;

// Whether the display can give a window the double-buffered RGBA visual with a 24-bit
// depth buffer that OpenGL windows are made with. A server without the GLX extension (a
// remote or VNC session, say) or an 8-bit display cannot; there a window that would draw
// with OpenGL is made as a plain one, and choosing a pixel format for it fails.
bool DisplayOffersOpenGLWindows();

// A device context on a window's client area.
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);

int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd);
BOOL SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR* ppfd);
int GetPixelFormat(HDC hdc);
int DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes, PIXELFORMATDESCRIPTOR* ppfd);

HGLRC wglCreateContext(HDC hdc);
BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc);
HGLRC wglGetCurrentContext();
HDC wglGetCurrentDC();
BOOL wglDeleteContext(HGLRC hglrc);
BOOL SwapBuffers(HDC hdc);

// Forgets the pixel format of a window that is going away.
void ForgetWindowSurface(HWND hWnd);
