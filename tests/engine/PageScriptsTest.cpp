#include "PageScripts.h"

#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

struct StateCase {
    const char* name;
    QVariant answer;
    TPageScroll expected;
};

QVariant Answer(bool rootScrolls, double position, double range)
{
    return QVariantMap{{"rootScrolls", rootScrolls}, {"position", position}, {"range", range}};
}

class ScrollStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(ScrollStateTest, AnswerBecomesRoundedState)
{
    const TPageScroll state = PageScripts::ScrollState(GetParam().answer);
    EXPECT_EQ(state.RootScrolls, GetParam().expected.RootScrolls);
    EXPECT_EQ(state.Position, GetParam().expected.Position);
    EXPECT_EQ(state.Range, GetParam().expected.Range);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ScrollStateTest,
    testing::Values(StateCase{"Whole", Answer(true, 120, 2600), {true, 120, 2600}},
                    StateCase{"HalvesToEven", Answer(false, 2.5, 3.5), {false, 2, 4}},
                    StateCase{"Fractions", Answer(true, 99.6, 10.4), {true, 100, 10}},
                    StateCase{"NegativeRange", Answer(false, 0, -8), {false, 0, -8}},
                    StateCase{"NoScrollingElement", QVariant(), {true, 0, 0}},
                    StateCase{"NotAState", QVariant(true), {true, 0, 0}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
