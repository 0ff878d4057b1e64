#pragma once
// Field lookup and the template merge.
#include <string>
#include <string_view>
#include <vector>

#include "vxbiz/engine/recipient_table.h"

namespace vx {

// The value of the field called name in data row `row`: the rightmost column whose header
// equals name without regard to case; empty when none does.
std::string FieldValue(const RecipientTable& table, std::string_view name, size_t row);

// The template file's lines with every {Field} replaced from data row `row`. The file is read
// anew on every call; one that cannot be opened throws RunError
// ("Datei " + name + " kann nicht geöffnet werden").
std::vector<std::string> MergeTemplate(const std::string& templatePath, const RecipientTable& table,
                                       size_t row);

}  // namespace vx
