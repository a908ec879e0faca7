// A bare toolkit program, the baseline for start-up time and memory: one frame holding one
// OpenGL canvas, cleared to black whenever it is painted (once, at start). The only bench
// file that speaks to wx: it stands for what any wx program with a GL window pays.
// Usage: bench_bare_wx WIDTH HEIGHT, the size of the viewer's main window.
#include <wx/glcanvas.h>
#include <wx/wx.h>

#include <GL/gl.h>

class BareApp : public wxApp {
public:
    bool OnInit() override
    {
        long width = 0;
        long height = 0;
        if (argc != 3 || !argv[1].ToLong(&width) || !argv[2].ToLong(&height))
            return false;
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bare wx", wxDefaultPosition, wxSize(width, height));
        wxGLAttributes attributes;
        attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(24).EndList();
        auto* canvas = new wxGLCanvas(frame, attributes);
        auto* context = new wxGLContext(canvas);
        canvas->Bind(wxEVT_PAINT, [canvas, context](wxPaintEvent&) {
            wxPaintDC dc(canvas);
            canvas->SetCurrent(*context);
            const wxSize size = canvas->GetClientSize() * canvas->GetContentScaleFactor();
            glViewport(0, 0, size.x, size.y);
            glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glFinish();
            canvas->SwapBuffers();
        });
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(BareApp);
