#include "ui/Form.h"

namespace tarnix::ui {

void Form::Load() {
  if (loaded_ || loading_) return;
  loading_ = true;
  loaded_ = true;
  touched_ = false;
  if (host_) host_->Create(*this);
  Form_Load();
  loading_ = false;
}

void Form::Show() {
  Load();
  touched_ = true;
  if (!loaded_) return;  // Form_Load may have unloaded it
  visible_ = true;
  if (host_) host_->SetVisible(*this, true);
}

void Form::Hide() {
  Load();
  touched_ = true;
  if (!loaded_) return;
  visible_ = false;
  if (host_) host_->SetVisible(*this, false);
}

bool Form::Unload(UnloadMode mode) {
  if (!loaded_ || unloading_) return true;
  unloading_ = true;
  touched_ = true;
  int cancel = 0;
  Form_QueryUnload(cancel, mode);
  if (cancel == 0) Form_Unload(cancel);
  if (cancel != 0) {
    unloading_ = false;
    return false;
  }
  visible_ = false;
  loaded_ = false;
  if (host_) host_->Destroy(*this);
  unloading_ = false;
  return true;
}

}  // namespace tarnix::ui
