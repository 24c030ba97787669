// Where a named routine lies in a program file: the COFF symbol table that
// MinGW leaves in the image, read through a bounded reader.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace klvtest {

// The routine's address relative to the image base (section address plus
// the symbol's value); 0 when the image or its symbol table lacks it.
uint32_t SymbolRelativeAddress(const std::vector<uint8_t>& image, const std::string& name);

}  // namespace klvtest
