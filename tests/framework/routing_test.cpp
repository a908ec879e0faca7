// Commands go to the view, its document, the frame and the application, in that order;
// the first handler wins. Update requests take the same road.
#include "framework_session.h"

#include "tests/support/toolkit_inspect.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Routing, TheFirstHandlerOnTheRoadWins)
{
    const std::pair<UINT, std::vector<std::string>> cases[] = {
        {1, {"view 1"}},         // the view and the document handle it
        {2, {"document 2"}},     // the document and the frame
        {3, {"frame 3"}},        // the frame and the application
        {4, {"application 4"}},  // the application alone
        {5, {}},                 // nobody
        {7, {"view 7"}},         // not its second entry
    };
    for (const auto& [id, handled] : cases) {
        g_handled.clear();
        MainFrame()->RouteCommand(id);
        EXPECT_EQ(g_handled, handled) << "command " << id;
    }
}

// Update requests take the commands' road: what has a handler anywhere on it is
// available, what has none is greyed, an update handler decides for itself, and asking
// runs no command handler.
TEST(Routing, TheMenuShowsWhatTheUpdatesSay)
{
    g_handled.clear();
    const std::vector<AfxTestMenu> bar = AfxTestMenuBar(MainFrame()->m_hWnd);
    ASSERT_EQ(bar.size(), 1u);
    const std::vector<std::tuple<UINT, bool, bool>> expected = {
        {1, true, false}, {4, true, false}, {5, false, false}, {6, false, true}};
    std::vector<std::tuple<UINT, bool, bool>> shown;
    for (const AfxTestMenuItem& item : bar[0].items)
        shown.emplace_back(item.id, item.enabled, item.checked);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(g_handled, std::vector<std::string>());
}
