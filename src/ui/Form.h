// A window of the program as its handlers see it: loaded on first use, unloaded
// once, with the query-unload and unload handlers run in that order.
#pragma once
#include <string>

namespace tarnix::ui {

class Form;

// What a form needs from the windowing layer. The Win32 host creates real
// windows; a form without a host (in tests, or not yet built) keeps state only.
class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual void Create(Form& form) = 0;
  virtual void Destroy(Form& form) = 0;
  virtual void SetVisible(Form& form, bool visible) = 0;
};

enum class UnloadMode { FormControlMenu = 0, FormCode = 1 };

class Form {
 public:
  explicit Form(std::wstring name) : name_(std::move(name)) {}
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::wstring& Name() const { return name_; }
  bool IsLoaded() const { return loaded_; }
  bool IsVisible() const { return visible_; }
  // True once Show, Hide or Unload has been asked for since loading.
  bool WasTouched() const { return touched_; }

  void SetHost(FormHost* host) { host_ = host; }
  FormHost* Host() const { return host_; }

  void Load();
  void Show();
  void Hide();
  // Does nothing for a window that is not loaded or is being unloaded already,
  // so nested calls never run the handlers twice. Returns false if cancelled.
  bool Unload(UnloadMode mode = UnloadMode::FormCode);

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}

 private:
  std::wstring name_;
  FormHost* host_ = nullptr;
  bool loaded_ = false;
  bool loading_ = false;
  bool unloading_ = false;
  bool visible_ = false;
  bool touched_ = false;
};

}  // namespace tarnix::ui
