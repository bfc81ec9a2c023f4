#include "core/elements.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

using namespace kolvenar;

TEST(ElementName, NamesByAtomicNumber) {
    using Row = std::pair<int, std::string_view>;
    for (const auto& [z, name] :
         {Row{1, "Wasserstoff"}, Row{42, "Molybdän"}, Row{55, "Cäsium"}, Row{106, "Saeborgium*"},
          Row{110, "Ununilium*"}, Row{115, "Ununpentium"}, Row{116, "Ununhexium*"},
          Row{118, "Ununoctium*"}, Row{0, ""}, Row{119, ""}, Row{-1, ""}}) {
        EXPECT_EQ(ElementName(z), name) << z;
    }
    // Every name distinct, a star exactly on the artificial elements.
    std::set<int> starred;
    std::set<std::string_view> names;
    for (int z = 1; z <= kElementCount; ++z) {
        names.insert(ElementName(z));
        if (ElementName(z).ends_with('*')) {
            starred.insert(z);
        }
    }
    EXPECT_EQ(names.size(), 118u);  // one distinct name for each of the 118 elements
    EXPECT_EQ(starred, (std::set<int>{95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105,
                                      106, 107, 108, 109, 110, 111, 112, 114, 116, 118}));
}
