// The text that --help prints, and that a usage error prints after its problem.
#pragma once

#include <string_view>

namespace ombrela::cli {

std::string_view UsageText();

}  // namespace ombrela::cli
