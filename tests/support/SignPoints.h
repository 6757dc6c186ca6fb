#pragma once

#include <QPoint>

#include <string_view>

// Where the tests, the end-to-end scripts and the benchmarks (through tests/e2e/layout.sh) press
// the catalogue signs: a point inside each sign's hit area and one in its bounding box outside
// it, in the sign strip's order (a sign's index is the filter group it opens), with its skin
// section.
struct TSignPoint {
    std::string_view Section;
    QPoint Inside;
    QPoint OutsideInBoundingBox;
};
inline constexpr TSignPoint kSignPoints[] = {
    {"sign_1_4", {600, 150}, {470, 200}}, {"sign_1_6", {790, 450}, {690, 550}},
    {"sign_1_3", {400, 200}, {500, 300}}, {"sign_1_2", {220, 430}, {115, 520}},
    {"sign_1_1", {260, 600}, {160, 500}}, {"sign_1_5", {770, 200}, {870, 300}},
    {"sign_1_7", {720, 620}, {830, 500}},
};
