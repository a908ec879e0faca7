// The whole program in the test process, reached as a person reaches it: its view and
// document, File Open, drops, message boxes, and the picture on the screen.
#pragma once

#include "document/cube_doc.h"
#include "view/cube_view.h"

#include "tests/support/test_program.h"

#include <string>
#include <vector>

CCubeView* View();
CCubeDoc* Document();
// The main window's caption.
std::string Caption();
// Whether the view has drawn a frame and taken the size its window has now.
bool ViewDrawnAtItsSize();

// The grid a file's bytes give by the decoding rule, written again here: nonzero bytes
// are occupied cells, and only the first 1,048,576 count.
constexpr std::size_t kVolume = VoxelGrid::kCells;
VoxelGrid Decoded(const std::vector<unsigned char>& bytes);

// From now on message boxes are collected instead of shown: those shown since the last
// call, oldest first.
void CollectMessages();
std::vector<std::string> TakeMessages();

// Opens a file through File Open, with the file chooser answering path.
void OpenThroughFileOpen(const std::string& path);
// Drops files on the view, as the desktop's drag and drop would.
void DropOnView(const std::vector<std::string>& paths);

// What the view shows now, read back from its front buffer.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
    bool IsLit(int x, int y) const
    {
        const unsigned char* p = At(x, y);
        return p[0] || p[1] || p[2];
    }
    // Lit pixels; given a channel, those of them where it is full.
    std::size_t LitCount(int fullChannel = -1) const;
};
Picture ReadPicture();

float Angle();
