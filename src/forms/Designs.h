// The designs of the program's windows: static data.
#pragma once
#include <iterator>

#include "ui/Form.h"

namespace tarnix {
extern const ui::FormDesign kFrmMainDesign;
extern const ui::FormDesign kFrmOptionenDesign;
extern const ui::FormDesign kFrmSetupDesign;
extern const ui::FormDesign kFrmBlitzDesign;
}  // namespace tarnix
