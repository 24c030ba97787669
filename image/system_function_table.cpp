// The image's system-function table, made from the rows of
// runtime/interface/system_function_numbers.h in entry-number order.
#include "image/system_function_table.h"

#include <iterator>

#include "runtime/interface/numbered_table.h"

namespace klv {
namespace {

struct SystemFunctionRow {
  SystemFunction number;
  const char* library;
  const char* exportName;
};

#define KLV_IMAGE_ROW(number, name, library, exportName) {k##name, library, #exportName},
#define KLV_IMAGE_ENTRY(number, library, exportName) KLV_IMAGE_ROW(number, exportName, library, exportName)
constexpr SystemFunctionRow kRows[] = {KLV_SYSTEM_FUNCTIONS(KLV_IMAGE_ENTRY, KLV_IMAGE_ROW)};
#undef KLV_IMAGE_ENTRY
#undef KLV_IMAGE_ROW
static_assert(std::size(kRows) == kSystemFunctionEntries, "one row per system function");
static_assert(RowsInNumberOrder(kRows), "system functions out of entry-number order");

}  // namespace

const std::array<const char*, kSystemFunctionEntries> kSystemLibraryNames = ColumnOf(kRows, &SystemFunctionRow::library);
const std::array<const char*, kSystemFunctionEntries> kSystemFunctionNames =
    ColumnOf(kRows, &SystemFunctionRow::exportName);

}  // namespace klv
