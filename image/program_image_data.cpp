#include "image/program_image_data.h"

#include <iterator>

#include "controls/commands/libraries.h"
#include "runtime/interface/numbered_table.h"

namespace klv {
namespace {

struct LibraryRow {
  LibraryPosition number;
  const LibraryRecord* record;
};

constexpr LibraryRow kLibraryRows[] = {
    {kCoreLibraryPosition, &kCoreLibrary},
    {kExtendedControlsLibraryPosition, &kExtendedControlsLibrary},
    {kSpecialFunctionsLibraryPosition, &kSpecialFunctionsLibrary},
    {kTrayIconLibraryPosition, &kTrayIconLibrary},
};
static_assert(std::size(kLibraryRows) == kLibraryCount, "one row per library");
static_assert(RowsInNumberOrder(kLibraryRows), "libraries out of position order");

}  // namespace

const std::array<const LibraryRecord*, kLibraryCount> kProgramLibraries = ColumnOf(kLibraryRows, &LibraryRow::record);

}  // namespace klv
