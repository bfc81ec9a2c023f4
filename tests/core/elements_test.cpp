#include "core/elements.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kolvenar {
namespace {

TEST(ElementName, NamesAtTheEdgesOfTheTable) {
    EXPECT_EQ(ElementName(1), "Wasserstoff");
    EXPECT_EQ(ElementName(26), "Eisen");
    EXPECT_EQ(ElementName(118), "Ununoctium*");
}

TEST(ElementName, UmlautsAreKept) {
    EXPECT_EQ(ElementName(42), "Molybdän");
    EXPECT_EQ(ElementName(55), "Cäsium");
}

TEST(ElementName, OutsideTheTableGivesEmptyText) {
    for (int z : {0, 119, -1, -118, 1000}) {
        EXPECT_EQ(ElementName(z), "") << z;
    }
}

TEST(ElementName, StarMarksExactlyTheArtificialElements) {
    std::set<int> starred;
    for (int z = 1; z <= kElementCount; ++z) {
        const std::string_view name = ElementName(z);
        ASSERT_FALSE(name.empty()) << z;
        if (name.back() == '*') {
            starred.insert(z);
        }
    }
    std::set<int> expected;
    for (int z = 95; z <= 112; ++z) {
        expected.insert(z);
    }
    expected.insert({114, 116, 118});
    EXPECT_EQ(starred, expected);
    EXPECT_EQ(ElementName(115), "Ununpentium");
    EXPECT_EQ(ElementName(116), "Ununhexium*");
    EXPECT_EQ(ElementName(106), "Saeborgium*");
    EXPECT_EQ(ElementName(110), "Ununilium*");
}

TEST(ElementName, EveryNameIsDistinct) {
    std::set<std::string_view> names;
    for (int z = 1; z <= kElementCount; ++z) {
        names.insert(ElementName(z));
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kElementCount));
}

}  // namespace
}  // namespace kolvenar
