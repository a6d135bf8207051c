#include "options/frmOptionen.h"

#include "app/App.h"
#include "platform/Platform.h"

namespace tarnix {

void frmOptionen::Form_Load() {
  // The options window is not part of this build yet: say so instead of showing nothing.
  app_.platform.ShowMessage(L"The options window of Tarnix is not available in this build.", 0x40,
                           L"Tarnix");
  EndProgram(app_);
}

void frmOptionen::Form_QueryUnload(int& /*cancel*/, ui::UnloadMode /*mode*/) { EndProgram(app_); }

void frmOptionen::Form_Unload(int& /*cancel*/) { EndProgram(app_); }

}  // namespace tarnix
