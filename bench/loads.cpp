// Load cost of a real 1 MiB volume file on both of the program's roads, each against one
// plain read() of the same bytes in this process. The file is read again and again, so all
// three come from the page cache alike. Each round takes the three in turn, starting with a
// different one each time, and gives each road's ratio to the round's plain read: whatever
// else the machine does falls on a round's three alike.
#include "bench.h"

#include "document/cube_doc.h"
#include "view/cube_view.h"

#include "framework/archive.h"
#include "framework/file.h"
#include "framework/win_app.h"
#include "platform/drop_files.h"

#include <fcntl.h>
#include <filesystem>
#include <memory>

namespace {

constexpr int kRounds = 201;

}  // namespace

bool TimeLoads(CCubeView& view)
{
    const std::string path = std::filesystem::absolute("load-sample.vol");
    const std::vector<unsigned char> bytes = volumes::Noise(0.5, kNoiseSeed);
    if (!volumes::WriteVolume(path, bytes, nullptr))
        return false;
    const long long expected = bytes.size() - std::count(bytes.begin(), bytes.end(), 0);
    CCubeDoc& document = *view.GetDocument();
    // The plain read's buffer starts on a page: on this machine the kernel's copy into a
    // target a few bytes past a page boundary (where a large malloc block starts) runs
    // several times slower, and the least a load can cost should not hang on where malloc
    // put the buffer.
    const std::unique_ptr<unsigned char, decltype(&std::free)> buffer(
        static_cast<unsigned char*>(std::aligned_alloc(4096, bytes.size())), &std::free);
    HDROP drop = MakeDrop({path});
    const auto load = [&](int road) {
        if (road == 1) {  // File Open's road without the file chooser: the document reads through an archive
            CFile file;
            if (!file.Open(path.c_str(), CFile::modeRead))
                return false;
            CArchive archive(&file, CArchive::load);
            document.Serialize(archive);
            archive.Close();
            file.Close();
            return true;
        }
        if (road == 2)
            return view.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0), true;
        const int fd = ::open(path.c_str(), O_RDONLY);  // open(), one read(), close(): the least a load costs
        const bool read = fd >= 0 && ::read(fd, buffer.get(), bytes.size()) == ssize_t(bytes.size());
        ::close(fd);
        return read;
    };
    const char* const names[] = {"plain-read", "serialize", "drop"};
    // The grid each fills, cleared before and checked after.
    VoxelGrid* const grids[] = {nullptr, &document.m_voxels, &view.m_voxels};
    std::vector<double> ms[3];
    bool allRead = true;
    for (int round = 0; round < kRounds; ++round)
        for (int i = 0; i < 3; ++i) {
            const int road = (round + i) % 3;
            if (grids[road] != nullptr)
                grids[road]->Clear();
            const double start = NowMs();
            allRead &= load(road);
            ms[road].push_back(NowMs() - start);
            AfxGetApp()->EndWaitCursor();  // Serialize begins one, which the view ends later
            allRead &= grids[road] == nullptr ||
                       std::count(grids[road]->cells.begin(), grids[road]->cells.end(), 1) == expected;
        }
    DragFinish(drop);
    ::unlink(path.c_str());
    // The drop asked for a repaint: let it show the empty grid, not half a million cubes.
    view.m_voxels.Clear();
    document.m_voxels.Clear();
    if (!allRead || !std::equal(bytes.begin(), bytes.end(), buffer.get())) {
        std::fprintf(stderr, "bench: a road did not load the file it was timed on\n");
        return false;
    }
    for (int road = 0; road < 3; ++road)
        Report("load", names[road], expected, Summarize(ms[road]), "ms",
               road == 0 ? "open + one read() + close" : "");
    for (int road = 1; road < 3; ++road) {
        std::vector<double> ratios;
        for (int round = 0; round < kRounds; ++round)
            ratios.push_back(ms[road][round] / ms[0][round]);
        const Summary ratio = SummarizeRatios(ratios);
        Report("load-ratio", names[road], expected, ratio, "road/plain", "rounds", "<= 2",
               Judge(ratio, -INFINITY, 2.0));
    }
    return true;
}
