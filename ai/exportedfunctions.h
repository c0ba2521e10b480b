#pragma once

#include <string_view>

struct lua_State;

namespace glyph
{

/// A function that a profile script can call, with the texts the profile editor shows for it.
struct ExportedFunction {
    const char* name;   ///< Lua global name; a row without one ends the table
    const char* input;  ///< what the arguments are
    const char* output; ///< what the results are
    int (*function)(lua_State*);
};

/// Rows the table has room for.
constexpr int kExportedFunctionRows = 100;

/// The functions registered in the script host's state, in registration order.
extern const ExportedFunction kExportedFunctions[kExportedFunctionRows];

/// The row of the exported function with this name, or null when there is none.
const ExportedFunction* findExportedFunction(std::string_view name);

} // namespace glyph
