#include "opengl_binding.h"

#include "native_window.h"

#include "binding_seams.h"
#include "kept_by_library.h"

#include <wx/glcanvas.h>
#include <wx/utils.h>

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>

struct HDC__ {
    HWND hwnd;
};

struct HGLRC__ {
    GLXContext context;
};

namespace {

std::map<HWND, int> g_windowFormats;
HDC g_currentDC = nullptr;
HGLRC g_currentContext = nullptr;

// ---- The display, its GLX configurations and its errors ---------------------------------
Display* XDisplay()
{
    return wxGetX11Display();
}

// Without the extension every GLX request fails noisily, so none is made. The first request
// the driver answers binds it to the display, here and once (unless GDK did so already):
// its state for the display lives until the display closes, which the toolkit never does.
bool DisplayHasGLX()
{
    static const bool has = [] {
        const KeptByLibrary driverState;
        int errorBase = 0, eventBase = 0, count = 0;
        Display* dpy = XDisplay();
        if (dpy == nullptr || glXQueryExtension(dpy, &errorBase, &eventBase) != True)
            return false;
        XFree(glXGetFBConfigs(dpy, DefaultScreen(dpy), &count));
        return true;
    }();
    return has;
}

Window XWindowOf(HDC hdc)
{
    if (hdc == nullptr)
        return 0;
    auto* canvas = dynamic_cast<wxGLCanvas*>(NativeWindow(hdc->hwnd));
    return canvas != nullptr ? canvas->GetXWindow() : 0;
}

// X errors during context calls must not end the program: they become failed results.
bool g_xErrorSeen = false;
int RecordXError(Display*, XErrorEvent*)
{
    g_xErrorSeen = true;
    return 0;
}

class XErrorTrap {
public:
    XErrorTrap() : m_previous(XSetErrorHandler(&RecordXError)) { g_xErrorSeen = false; }
    ~XErrorTrap() { XSetErrorHandler(m_previous); }
    bool Failed()
    {
        XSync(XDisplay(), False);
        return g_xErrorSeen;
    }

private:
    int (*m_previous)(Display*, XErrorEvent*);
};

struct ConfigList {
    GLXFBConfig* configs = nullptr;
    int count = 0;
    ConfigList()
    {
        if (Display* dpy = XDisplay(); dpy != nullptr && DisplayHasGLX())
            configs = glXGetFBConfigs(dpy, DefaultScreen(dpy), &count);
        if (configs == nullptr)
            count = 0;
    }
    ~ConfigList()
    {
        if (configs != nullptr)
            XFree(configs);
    }
    bool Has(int format) const { return format >= 1 && format <= count; }
    GLXFBConfig operator[](int format) const { return configs[format - 1]; }
};

int Attribute(GLXFBConfig config, int attribute)
{
    int value = 0;
    glXGetFBConfigAttrib(XDisplay(), config, attribute, &value);
    return value;
}

VisualID WindowVisual(Window window)
{
    XWindowAttributes attributes;
    if (window == 0 || XGetWindowAttributes(XDisplay(), window, &attributes) == 0)
        return 0;
    return XVisualIDFromVisual(attributes.visual);
}

// A format can serve a window when it draws to windows with the window's own visual:
// on X11 a window's visual is fixed when the window is made.
bool ServesWindow(GLXFBConfig config, Window window)
{
    return (Attribute(config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) != 0 &&
           static_cast<VisualID>(Attribute(config, GLX_VISUAL_ID)) == WindowVisual(window);
}

// ---- Matching a descriptor --------------------------------------------------------------
bool MeetsRequirements(GLXFBConfig config, const PIXELFORMATDESCRIPTOR& want, Window window)
{
    if ((want.dwFlags & PFD_DRAW_TO_WINDOW) && !ServesWindow(config, window))
        return false;
    const int renderType = Attribute(config, GLX_RENDER_TYPE);
    if (want.iPixelType == PFD_TYPE_RGBA && !(renderType & GLX_RGBA_BIT))
        return false;
    if (want.iPixelType == PFD_TYPE_COLORINDEX && !(renderType & GLX_COLOR_INDEX_BIT))
        return false;
    const bool doubleBuffered = Attribute(config, GLX_DOUBLEBUFFER) != 0;
    return doubleBuffered == ((want.dwFlags & PFD_DOUBLEBUFFER) != 0);
}

// Lower is closer. A buffer smaller than asked for weighs more than a larger one.
int Distance(int have, int want, int shortfallWeight)
{
    return have >= want ? have - want : (want - have) * shortfallWeight;
}

int Score(GLXFBConfig config, const PIXELFORMATDESCRIPTOR& want)
{
    const int colourBits = Attribute(config, GLX_RED_SIZE) + Attribute(config, GLX_GREEN_SIZE) +
                           Attribute(config, GLX_BLUE_SIZE);
    int score = 8 * Distance(colourBits, want.cColorBits, 4);
    score += 4 * Distance(Attribute(config, GLX_DEPTH_SIZE), want.cDepthBits, 4);
    score += Distance(Attribute(config, GLX_ALPHA_SIZE), want.cAlphaBits, 4);
    score += Distance(Attribute(config, GLX_STENCIL_SIZE), want.cStencilBits, 4);
    score += Distance(Attribute(config, GLX_ACCUM_RED_SIZE) * 4, want.cAccumBits, 4);
    score += Distance(Attribute(config, GLX_AUX_BUFFERS), want.cAuxBuffers, 4);
    if (Attribute(config, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG)
        score += 1000;
    return score;
}

int LowestSetBit(unsigned long mask)
{
    return mask == 0 ? 0 : __builtin_ctzl(mask);
}

void Describe(GLXFBConfig config, PIXELFORMATDESCRIPTOR* pfd)
{
    std::memset(pfd, 0, sizeof *pfd);
    pfd->nSize = sizeof *pfd;
    pfd->nVersion = 1;
    pfd->dwFlags = PFD_SUPPORT_OPENGL;
    const int drawables = Attribute(config, GLX_DRAWABLE_TYPE);
    if (drawables & GLX_WINDOW_BIT)
        pfd->dwFlags |= PFD_DRAW_TO_WINDOW;
    if (drawables & GLX_PIXMAP_BIT)
        pfd->dwFlags |= PFD_DRAW_TO_BITMAP;
    if (Attribute(config, GLX_DOUBLEBUFFER))
        pfd->dwFlags |= PFD_DOUBLEBUFFER;
    if (Attribute(config, GLX_STEREO))
        pfd->dwFlags |= PFD_STEREO;

    const bool rgba = (Attribute(config, GLX_RENDER_TYPE) & GLX_RGBA_BIT) != 0;
    pfd->iPixelType = rgba ? PFD_TYPE_RGBA : PFD_TYPE_COLORINDEX;
    pfd->cRedBits = Attribute(config, GLX_RED_SIZE);
    pfd->cGreenBits = Attribute(config, GLX_GREEN_SIZE);
    pfd->cBlueBits = Attribute(config, GLX_BLUE_SIZE);
    pfd->cAlphaBits = Attribute(config, GLX_ALPHA_SIZE);
    pfd->cColorBits =
        rgba ? pfd->cRedBits + pfd->cGreenBits + pfd->cBlueBits : Attribute(config, GLX_BUFFER_SIZE);
    if (XVisualInfo* visual = glXGetVisualFromFBConfig(XDisplay(), config)) {
        pfd->cRedShift = LowestSetBit(visual->red_mask);
        pfd->cGreenShift = LowestSetBit(visual->green_mask);
        pfd->cBlueShift = LowestSetBit(visual->blue_mask);
        const unsigned long colour = visual->red_mask | visual->green_mask | visual->blue_mask;
        if (pfd->cAlphaBits > 0)
            pfd->cAlphaShift = LowestSetBit(~colour & 0xFFFFFFFFul);
        // Colour-indexed and pseudo-colour visuals need a palette to show RGBA colours.
        if (visual->c_class == PseudoColor || visual->c_class == GrayScale ||
            visual->c_class == StaticColor || !rgba)
            pfd->dwFlags |= PFD_NEED_PALETTE;
        XFree(visual);
    }
    pfd->cAccumRedBits = Attribute(config, GLX_ACCUM_RED_SIZE);
    pfd->cAccumGreenBits = Attribute(config, GLX_ACCUM_GREEN_SIZE);
    pfd->cAccumBlueBits = Attribute(config, GLX_ACCUM_BLUE_SIZE);
    pfd->cAccumAlphaBits = Attribute(config, GLX_ACCUM_ALPHA_SIZE);
    pfd->cAccumBits = pfd->cAccumRedBits + pfd->cAccumGreenBits + pfd->cAccumBlueBits + pfd->cAccumAlphaBits;
    pfd->cDepthBits = Attribute(config, GLX_DEPTH_SIZE);
    pfd->cStencilBits = Attribute(config, GLX_STENCIL_SIZE);
    pfd->cAuxBuffers = Attribute(config, GLX_AUX_BUFFERS);
    pfd->iLayerType = PFD_MAIN_PLANE;
}

}  // namespace

bool DisplayOffersOpenGLWindows()
{
    if (!DisplayHasGLX())
        return false;
    // clang-format off
    const int wanted[] = {GLX_X_RENDERABLE, True, GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT,
                          GLX_RENDER_TYPE, GLX_RGBA_BIT, GLX_DOUBLEBUFFER, True,
                          GLX_DEPTH_SIZE, 24, None};
    // clang-format on
    Display* dpy = XDisplay();
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(dpy, DefaultScreen(dpy), wanted, &count);
    bool found = false;
    for (int i = 0; i < count && !found; ++i)
        if (XVisualInfo* visual = glXGetVisualFromFBConfig(dpy, configs[i])) {
            found = true;
            XFree(visual);
        }
    if (configs != nullptr)
        XFree(configs);
    return found;
}

// ---- Device contexts and pixel formats --------------------------------------------------
HDC GetDC(HWND hWnd)
{
    return hWnd != nullptr ? new HDC__{hWnd} : nullptr;
}

int ReleaseDC(HWND, HDC hDC)
{
    if (hDC == nullptr)
        return 0;
    if (hDC == g_currentDC)
        g_currentDC = nullptr;
    delete hDC;
    return 1;
}

int ChoosePixelFormat(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd)
{
    AfxNoteBindingCall("ChoosePixelFormat");
    const Window window = XWindowOf(hdc);
    if (CurrentPixelFormatSeam().failChoose || ppfd == nullptr || window == 0)
        return 0;
    const ConfigList list;
    int best = 0;
    int bestScore = INT_MAX;
    for (int format = 1; format <= list.count; ++format) {
        if (!MeetsRequirements(list[format], *ppfd, window))
            continue;
        const int score = Score(list[format], *ppfd);
        if (score < bestScore) {
            best = format;
            bestScore = score;
        }
    }
    return best;
}

BOOL SetPixelFormat(HDC hdc, int format, const PIXELFORMATDESCRIPTOR*)
{
    AfxNoteBindingCall("SetPixelFormat");
    const Window window = XWindowOf(hdc);
    if (CurrentPixelFormatSeam().failSet || window == 0)
        return FALSE;
    auto existing = g_windowFormats.find(hdc->hwnd);
    if (existing != g_windowFormats.end())
        return existing->second == format ? TRUE : FALSE;  // a window's format is set once
    const ConfigList list;
    if (!list.Has(format) || !ServesWindow(list[format], window))
        return FALSE;
    g_windowFormats[hdc->hwnd] = format;
    return TRUE;
}

int GetPixelFormat(HDC hdc)
{
    if (hdc == nullptr)
        return 0;
    auto it = g_windowFormats.find(hdc->hwnd);
    return it != g_windowFormats.end() ? it->second : 0;
}

int DescribePixelFormat(HDC hdc, int iPixelFormat, UINT nBytes, PIXELFORMATDESCRIPTOR* ppfd)
{
    const ConfigList list;
    if (hdc == nullptr || !list.Has(iPixelFormat))
        return 0;
    if (ppfd != nullptr && nBytes >= sizeof *ppfd) {
        if (CurrentPixelFormatSeam().describeAs != nullptr)
            *ppfd = *CurrentPixelFormatSeam().describeAs;
        else
            Describe(list[iPixelFormat], ppfd);
    }
    return list.count;
}

void ForgetWindowSurface(HWND hWnd)
{
    g_windowFormats.erase(hWnd);
    if (g_currentDC != nullptr && g_currentDC->hwnd == hWnd)
        g_currentDC = nullptr;
}

// ---- Rendering contexts and buffers -----------------------------------------------------
HGLRC wglCreateContext(HDC hdc)
{
    AfxNoteBindingCall("wglCreateContext");
    const int format = GetPixelFormat(hdc);
    const ConfigList list;
    if (!list.Has(format))
        return nullptr;
    const bool rgba = (Attribute(list[format], GLX_RENDER_TYPE) & GLX_RGBA_BIT) != 0;
    XErrorTrap trap;
    // Mesa 25 loses small blocks made with a context that has drawn; the record below stays checked.
    GLXContext context = [&] {
        const KeptByLibrary lostByDriver;
        return glXCreateNewContext(XDisplay(), list[format], rgba ? GLX_RGBA_TYPE : GLX_COLOR_INDEX_TYPE,
                                   nullptr, True);
    }();
    if (trap.Failed() || context == nullptr)
        return nullptr;
    return new HGLRC__{context};
}

BOOL wglMakeCurrent(HDC hdc, HGLRC hglrc)
{
    AfxNoteBindingCall(hglrc != nullptr ? "wglMakeCurrent context" : "wglMakeCurrent none");
    Display* dpy = XDisplay();
    if (dpy == nullptr)
        return FALSE;
    if (hglrc == nullptr) {
        // Releasing when nothing is current has nothing to do, even without GLX.
        if (g_currentContext != nullptr)
            glXMakeContextCurrent(dpy, None, None, nullptr);
        g_currentDC = nullptr;
        g_currentContext = nullptr;
        return TRUE;
    }
    const Window window = XWindowOf(hdc);
    if (window == 0)
        return FALSE;
    XErrorTrap trap;
    const Bool made = glXMakeContextCurrent(dpy, window, window, hglrc->context);
    if (trap.Failed() || !made)
        return FALSE;
    g_currentDC = hdc;
    g_currentContext = hglrc;
    return TRUE;
}

HGLRC wglGetCurrentContext()
{
    return g_currentContext;
}

HDC wglGetCurrentDC()
{
    return g_currentDC;
}

BOOL wglDeleteContext(HGLRC hglrc)
{
    AfxNoteBindingCall("wglDeleteContext");
    if (hglrc == nullptr)
        return FALSE;
    if (hglrc == g_currentContext)
        wglMakeCurrent(nullptr, nullptr);
    glXDestroyContext(XDisplay(), hglrc->context);
    delete hglrc;
    return TRUE;
}

BOOL SwapBuffers(HDC hdc)
{
    const Window window = XWindowOf(hdc);
    if (window == 0)
        return FALSE;
    glXSwapBuffers(XDisplay(), window);
    return TRUE;
}
