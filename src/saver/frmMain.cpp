#include "saver/frmMain.h"

#include "app/App.h"
#include "platform/Platform.h"

namespace tarnix {

void frmMain::ShowDesignState() { Show(); }

void frmMain::EnterPreview(const std::wstring& /*arguments*/) { Show(); }

void frmMain::EnterBlackScreen() { Show(); }

void frmMain::Form_Unload(int& /*cancel*/) { Form_Terminate(); }

void frmMain::Form_Terminate() { app_.platform.ShowCursor(true); }

}  // namespace tarnix
