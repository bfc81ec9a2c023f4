// The ranking of the elements as the window and the command line show it.
#include "multisearch/ranking.h"

#include <gtest/gtest.h>

using namespace kolvenar;

// With Cx = 1 m, L = Z × 2^N m: 49 m is In (N = 0) and Cf (N = -1), 196.196 m both again and
// Es (99 × 2 m, 0.92 % off), 300 m only Re (75 × 4 m).
TEST(Ranking, OrderRanksEquivalentsAndSummary) {
    const ValueList list = ReadValueList("49 a\n196,196 b\nx\n-1\n300 c\n");
    const MultiMatcher matcher({MultiQuantity::Wavelength, kWavelengthUnits[5], 1, 1});
    const Ranking ranking = RankElements(matcher, list.values);
    std::vector<std::vector<std::string>> rows;
    for (const RankingRow& row : ranking.rows) {
        const auto cells = RankingCells(row, ranking.valueCount, ",");
        rows.emplace_back(cells.begin(), cells.end());
    }
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"1", "Indium", "49", "2 von 3", "0,05", "0,245", "Californium* (98)"},
                        {"1", "Californium*", "98", "2 von 3", "0,05", "0,245", "Indium (49)"},
                        {"3", "Rhenium", "75", "1 von 3", "0", "8,409", ""},
                        {"4", "Einsteinium*", "99", "1 von 3", "0,9195", "8,409", ""}}));
    EXPECT_EQ(SummaryText(list, ranking, ","),
              "3 Werte gelesen; übersprungen: Zeile 3 (keine Zahl), Zeile 4 (Wert nicht größer "
              "als 0); durch Zufall erklärt ein Element im Mittel 0,09 Werte");

    const auto einsteinium = AssignValues(matcher, 99, list.values);
    const auto cells = LongTableCells({99, &list.values[0], einsteinium[0]}, ",");
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.end()),
              (std::vector<std::string>{"Einsteinium*", "99", "49", "a", "-1", "49,5", "1,0204",
                                        "nein"}));
}

// A long list: the values beyond 10,000 and the skipped lines beyond 20 are counted.
TEST(Ranking, SummaryOfALongList) {
    std::string text;
    for (int i = 1; i <= 10025; ++i) {
        text += i <= 22 ? "x\n" : "1\n";
    }
    const ValueList list = ReadValueList(text);
    Ranking ranking;
    ranking.valueCount = static_cast<int>(list.values.size());
    ranking.chancePerValue = 0.028854862672184987;
    EXPECT_EQ(SummaryText(list, ranking, ","),
              "10000 Werte gelesen (nur die ersten 10000 verwendet, 3 weitere nicht); "
              "übersprungen: Zeilen 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, "
              "18, 19, 20 und 2 weitere (keine Zahl); durch Zufall erklärt ein Element im Mittel "
              "288,55 Werte");
}
