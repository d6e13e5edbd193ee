// TRADUCIR when memory runs out: the message, the exit status -1, and nothing else changed.
#include "fake_host.h"
#include "fakes.h"
#include "main_window.h"
#include "suite_testing/failing_allocation.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace zudaviror {
namespace {

TEST(MainWindowOutOfMemory, TranslateShowsTheMessageAndEndsWithStatusMinusOne) {
    testing::FakeHost host;
    testing::FixedClock clock({});
    app::DADUREDUREvu window(host, clock);
    for (const char* key : {"NECESIDAD", "p"}) {
        window.pressKey(QString::fromLatin1(key));
    }
    {
        const suite::testing::FailingAllocation failing(0);
        window.translateCommand();
    }
    EXPECT_EQ(host.messages, (std::vector<QString>{QString::fromUtf8("IMPOSIBLE RESERVAR MÁS MEMORIA.")}));
    EXPECT_EQ(host.endings, (std::vector<int>{-1}));
    auto* result = window.findChild<QPlainTextEdit*>(QString::number(BoxId::Result));
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->toPlainText(), QString());

    host.endings.clear();
    window.translateCommand();
    EXPECT_EQ(result->toPlainText(), QString::fromUtf8("∀v(Suv→Pv)"));
    EXPECT_TRUE(host.endings.empty());
}

} // namespace
} // namespace zudaviror
