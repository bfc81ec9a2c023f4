// A column kind added in a test build of the column table, not in the program: the energy of a
// row's frequency in electronvolts, a unit of its own. Its title, cells, copy and sort follow
// from its one row.
#include <gtest/gtest.h>

#include "core/number_text.h"
#include "export/table_text.h"
#include "table/shown_table.h"
#include "table/table_builder.h"

using namespace kolvenar;

TEST(ColumnKinds, ARowWithAUnitOfItsOwnIsAColumn) {
    constexpr UnitRow kElectronVolt{"eV", "eV", DivideBy(2.417989242e14), 0};  // Hz per eV
    std::vector<ColumnKind> kinds(kColumnKinds.begin(), kColumnKinds.end());
    kinds.push_back({"E", CellSource::Quantity, "E", nullptr, OwnUnit(kElectronVolt),
                     &ResonanceValues::f, &ResonanceValues::fOverflow, column_rules::Always,
                     SortRule::ByNumber});

    // Hydrogen and helium at N = 0 and 1, with f in Hz.
    TableRequest request;
    request.nFromScroll = 0;
    request.nToScroll = 1;
    request.cx = 2.42611E-12;
    request.elementChosen[1] = request.elementChosen[2] = true;
    request.quantityShown[static_cast<std::size_t>(Quantity::Frequency)] = true;
    request.units[static_cast<std::size_t>(Quantity::Frequency)] = kFrequencyUnits[2];
    const std::vector<const ColumnKind*> columns = ChooseColumns(request, kinds);
    ShownTable shown;
    shown.SetDecimalSeparator(",");
    shown.SetHeaders(ColumnHeaders(request, columns, ","));
    shown.SetRows(RunTable(request, columns).table);

    const int energy = shown.ColumnOf(kinds.back());
    ASSERT_EQ(energy, 5);
    EXPECT_EQ(shown.Headers()[5], "E in eV");
    char buffer[kNumberTextCapacity];
    EXPECT_EQ(std::string(buffer, shown.CellText(0, energy, buffer)), "511041,1252");
    EXPECT_EQ(shown.CellAt(3, energy).kind, CellKind::Number);

    // Sorted by energy, smallest first; equal energies in the order built.
    shown.CycleSort(energy);
    EXPECT_EQ(TableText(shown, TableTextFormat{"\n", false}).toStdString(),
              "Element\tZ\tN\tf in Hz\tE in eV\n"
              "Helium\t2\t1\t3,08922985767339E+19\t127760,2813\n"
              "Wasserstoff\t1\t1\t6,17845971534679E+19\t255520,5626\n"
              "Helium\t2\t0\t6,17845971534679E+19\t255520,5626\n"
              "Wasserstoff\t1\t0\t1,23569194306936E+20\t511041,1252\n");
}
