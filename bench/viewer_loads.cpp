// Load cost of a real 1 MiB volume file on both of the program's roads, each against one
// plain read() of the same bytes in this process. The file is read again and again, so
// all three come from the page cache alike. Each round takes the three in turn, starting
// with a different one each time, and gives each road's ratio to the round's plain read:
// whatever else the machine does falls on a round's three alike.
#include "sample_stats.h"
#include "viewer_sections.h"

#include "document/cube_doc.h"
#include "view/cube_view.h"

#include "framework/archive.h"
#include "framework/file.h"
#include "framework/win_app.h"
#include "platform/drop_files.h"
#include "volumes/volume_shapes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

constexpr int kRounds = 201;

// The plain read's buffer starts on a page: on this machine the kernel's copy into a
// target a few bytes past a page boundary (where a large malloc block starts) runs
// several times slower, and the least a load can cost should not hang on where malloc
// put the buffer.
struct PageBuffer {
    explicit PageBuffer(std::size_t size)
        : bytes(static_cast<unsigned char*>(std::aligned_alloc(4096, size))), size(size)
    {
    }
    ~PageBuffer() { std::free(bytes); }
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;
    unsigned char* bytes;
    std::size_t size;
};

// open(), one read() of the whole grid, close(): the least a load can cost.
bool PlainRead(const std::string& path, PageBuffer& buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const ssize_t got = ::read(fd, buffer.bytes, buffer.size);
    ::close(fd);
    return got == static_cast<ssize_t>(buffer.size);
}

// File Open's road without the file chooser: the document reads the file through an
// archive. The wait cursor Serialize begins is ended untimed, as the view ends it later.
bool SerializeRoad(CCubeDoc& document, const std::string& path)
{
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead))
        return false;
    CArchive archive(&file, CArchive::load);
    document.Serialize(archive);
    archive.Close();
    file.Close();
    return true;
}

std::vector<double> RatiosTo(const std::vector<double>& plain, const std::vector<double>& road)
{
    std::vector<double> ratios;
    for (std::size_t round = 0; round < plain.size(); ++round)
        ratios.push_back(road[round] / plain[round]);
    return ratios;
}

long long Occupied(const VoxelGrid& grid)
{
    return std::count(grid.cells.begin(), grid.cells.end(), 1);
}

}  // namespace

bool TimeLoads(CCubeView& view, const std::string& folder)
{
    const std::string path = folder + "/load-sample.vol";
    const std::vector<unsigned char> bytes = HalfNoise();
    std::string error;
    if (!volumes::WriteVolume(path, bytes, &error)) {
        std::fprintf(stderr, "bench_viewer: %s\n", error.c_str());
        return false;
    }
    const long long expected =
        std::count_if(bytes.begin(), bytes.end(), [](unsigned char b) { return b != 0; });
    CCubeDoc& document = *view.GetDocument();
    PageBuffer buffer(bytes.size());
    HDROP drop = MakeDrop({path});

    std::vector<double> plain, serialize, dropped;
    bool allRead = true;
    const std::vector<std::function<void()>> roads = {
        [&] {
            const double start = NowMs();
            allRead &= PlainRead(path, buffer);
            plain.push_back(MillisecondsSince(start));
        },
        [&] {
            document.m_voxels.Clear();
            const double start = NowMs();
            allRead &= SerializeRoad(document, path);
            serialize.push_back(MillisecondsSince(start));
            AfxGetApp()->EndWaitCursor();
            allRead &= Occupied(document.m_voxels) == expected;
        },
        [&] {
            view.m_voxels.Clear();
            const double start = NowMs();
            view.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
            dropped.push_back(MillisecondsSince(start));
            allRead &= Occupied(view.m_voxels) == expected;
        },
    };
    for (int round = 0; round < kRounds; ++round)
        for (std::size_t i = 0; i < roads.size(); ++i)
            roads[(round + i) % roads.size()]();
    DragFinish(drop);
    ::unlink(path.c_str());

    // The drop asked for a repaint: let it show the empty grid, not half a million cubes.
    view.m_voxels.Clear();
    document.m_voxels.Clear();
    if (!allRead || !std::equal(bytes.begin(), bytes.end(), buffer.bytes)) {
        std::fprintf(stderr, "bench_viewer: a road did not load the file it was timed on\n");
        return false;
    }
    PrintRecord("load", "plain-read", expected, Summarize(plain), "ms");
    PrintRecord("load", "serialize", expected, Summarize(serialize), "ms");
    PrintRecord("load", "drop", expected, Summarize(dropped), "ms");
    PrintRecord("load-ratio", "serialize", expected, SummarizeRatios(RatiosTo(plain, serialize)),
                "road/plain");
    PrintRecord("load-ratio", "drop", expected, SummarizeRatios(RatiosTo(plain, dropped)), "road/plain");
    return true;
}
