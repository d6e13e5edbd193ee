// The step view for screen readers: every element an item named in Spanish, the selection
// selected and announced as it moves.
#include "step_view.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace osmira::workbench {
namespace {

using test::StepView;

struct NamesCase {
    const char* name;
    const char* bracket;
    std::vector<const char16_t*> names; // in drawing order, the sheet first
};

void PrintTo(const NamesCase& c, std::ostream* os) {
    *os << c.name;
}

class AccessibleNames : public ::testing::TestWithParam<NamesCase> {};

TEST_P(AccessibleNames, EveryElementIsAnItemNamedInSpanish) {
    StepView window(GetParam().bracket);
    QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(&window.view());
    ASSERT_NE(diagram, nullptr);
    EXPECT_EQ(diagram->text(QAccessible::Name), QStringLiteral("Diagrama del Paso 01"));
    QStringList names;
    for (int index = 0; index < diagram->childCount(); ++index) {
        QAccessibleInterface* item = diagram->child(index);
        EXPECT_EQ(diagram->indexOfChild(item), index);
        EXPECT_EQ(item->parent(), diagram);
        names << item->text(QAccessible::Name);
    }
    QStringList expected;
    for (const char16_t* name : GetParam().names) {
        expected << QString::fromUtf16(name);
    }
    EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(
    StepView, AccessibleNames,
    ::testing::Values(
        NamesCase{"EmptySheet", "", {u"hoja de aserción vacía"}},
        NamesCase{"CutsAndLetters",
                  "[A[B]]C[]",
                  {u"hoja de aserción que contiene C y dos cortes", u"corte que contiene A y un corte",
                   u"letra A", u"corte que contiene B", u"letra B", u"letra C", u"corte vacío"}},
        NamesCase{"ManyGraphsInACut",
                  "[AB[][][]]",
                  {u"hoja de aserción que contiene un corte", u"corte que contiene A, B y tres cortes",
                   u"letra A", u"letra B", u"corte vacío", u"corte vacío", u"corte vacío"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt sends the announcements (QAccessible::Focus and Selection on the item) only to a running
// platform bridge, which the offscreen platform has not: what a reader then asks is tested.
TEST(AccessibleSelection, ASelectionMovedByKeyIsTheSelectedAndFocusedItem) {
    StepView window("[A]B");
    window.view().setFocus();

    QTest::keyClick(&window.view(), Qt::Key_Tab);
    QTest::keyClick(&window.view(), Qt::Key_Tab);

    QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(&window.view());
    QAccessibleInterface* letterA = diagram->child(2);
    EXPECT_TRUE(letterA->state().selected);
    EXPECT_FALSE(diagram->child(1)->state().selected);
    EXPECT_EQ(letterA->state().focused, window.view().hasFocus());
    EXPECT_EQ(diagram->focusChild() == letterA, window.view().hasFocus());
}

// A reader asking what lies under the pointer gets the innermost element, as a click selects it.
TEST(AccessibleSelection, TheItemAtALettersCentreIsTheLetter) {
    StepView window("[A[B]]C");
    QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(&window.view());
    for (const int letter : {2, 4, 5}) {
        QAccessibleInterface* item = diagram->child(letter);
        const QPoint centre = item->rect().center();
        EXPECT_EQ(diagram->childAt(centre.x(), centre.y()), item)
            << item->text(QAccessible::Name).toStdString();
    }
}

} // namespace
} // namespace osmira::workbench
