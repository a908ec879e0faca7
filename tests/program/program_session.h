// The whole program, started in the test process as it starts for a person: the
// application's start-up on a real window, with message boxes collected instead of shown.
#pragma once

#include "document/Cubedoc.h"
#include "view/Cubeview.h"

#include "framework/frame_wnd.h"

#include <string>
#include <vector>

CFrameWnd* MainFrame();
CCubeView* View();
CCubeDoc* Document();

// The message boxes shown since the last call, oldest first.
std::vector<std::string> TakeMessages();

// Runs the event loop for a while, so paints, sizes and timer ticks arrive.
void Pump(int milliseconds = 50);

// A file of its own under the test's temporary folder; its full path.
std::string WriteFile(const std::string& name, const std::vector<unsigned char>& bytes);
std::string TemporaryFolder();

// Opens a file through File Open, with the file chooser answering path.
void OpenThroughFileOpen(const std::string& path);
// Drops files on the view, as the desktop's drag and drop would.
void DropOnView(const std::vector<std::string>& paths);

// What the view shows now, read back from its front buffer.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const
    {
        return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    }
    bool IsLit(int x, int y) const
    {
        const unsigned char* p = At(x, y);
        return p[0] || p[1] || p[2];
    }
    std::size_t LitCount() const;
};
Picture ReadPicture();
// Saves a picture where a person can look at it (a binary PPM in the build folder).
void SavePicture(const Picture& picture, const std::string& name);

float Angle();
