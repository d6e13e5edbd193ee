// The tableau drawn as a tree: no box over another, every branch under the box it splits from,
// and the whole tree inside the widget, for tableaux with one split, nested splits and an open
// branch beside one not developed.
#include "tableau_tree_view.h"

#include <gtest/gtest.h>

#include <chrono>

namespace zudaviror {

namespace {

TEST(TableauTreeView, BoxesNeverOverlapAndBranchesHangUnderTheirSplit) {
    const struct {
        const char* K;
        ModalSystem system;
        std::size_t boxes;
    } cases[] = {{"!(p-q)-(!p-!q)", ModalSystem::K, 3},
                 {"(p.q).(q.p)", ModalSystem::K, 0},
                 {"!(!p-p)-!p", ModalSystem::S4, 3}};
    for (const auto& c : cases) {
        const Tableau tableau =
            buildTableau(c.K, c.system, std::chrono::steady_clock::now() + std::chrono::seconds(5));
        app::TableauTreeView view;
        view.showTableau(tableau);
        const auto& boxes = view.boxes();
        if (c.boxes != 0) {
            EXPECT_EQ(boxes.size(), c.boxes) << c.K;
        }
        EXPECT_GT(boxes.size(), 1u) << c.K;
        for (std::size_t a = 0; a < boxes.size(); ++a) {
            EXPECT_TRUE(view.rect().contains(boxes[a].rect)) << c.K << " box " << a;
            for (std::size_t b = a + 1; b < boxes.size(); ++b) {
                EXPECT_FALSE(boxes[a].rect.intersects(boxes[b].rect))
                    << c.K << " boxes " << a << " and " << b;
            }
            for (const std::size_t child : boxes[a].children) {
                EXPECT_GT(boxes[child].rect.top(), boxes[a].rect.bottom()) << c.K << " box " << child;
            }
        }
    }
}

} // namespace

} // namespace zudaviror
