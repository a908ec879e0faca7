#include "resources.h"
#include "test_seams.h"

namespace {

const std::map<UINT, std::string>& FrameworkStrings()
{
    static const std::map<UINT, std::string> strings = {
        {AFX_IDS_OPENFILE, "Open"},
        {AFX_IDS_UNTITLED, "Untitled"},
        {AFX_IDS_ALLFILTER, "All Files (*.*)"},
        {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    };
    return strings;
}

}  // namespace

namespace {
// A test's changed copy of the program's set, once a test has asked for one.
AfxResourceModule* g_overridden = nullptr;
}  // namespace

AfxResourceModule& AfxOverrideResources()
{
    static AfxResourceModule copy = AfxProgramResources();
    g_overridden = &copy;
    return copy;
}

const AfxResourceModule& AfxResources()
{
    return g_overridden != nullptr ? *g_overridden : AfxProgramResources();
}

std::string AfxLoadString(UINT nID)
{
    const auto& own = AfxResources().strings;
    if (auto it = own.find(nID); it != own.end())
        return it->second;
    const auto& standard = FrameworkStrings();
    if (auto it = standard.find(nID); it != standard.end())
        return it->second;
    return {};
}

std::string AfxExtractSubString(const std::string& full, int n)
{
    std::size_t start = 0;
    for (int field = 0; field < n; ++field) {
        start = full.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return full.substr(start, full.find('\n', start) - start);
}
