// The modules beside a stylesheet, read from disk: where the attribute sets
// it defines are used (lint::Options::setUses).
#pragma once

#include <string>
#include <vector>

#include "tools/lint/Lint.h"

namespace xmlattr::fix {

// The uses of the attribute sets the stylesheet at path defines, by the
// modules beside it: those it includes or imports (wherever they are), those
// in its folder that include or import it, and so on through theirs. None
// when it is no stylesheet or defines no set with a constant value.
std::vector<lint::SetUse> setUsesBeside(const std::string& path);

}  // namespace xmlattr::fix
