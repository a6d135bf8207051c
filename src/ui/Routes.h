// A form's events as data: each route names a control (a typed member or a
// control array), an event and the handler it runs. A form lists its routes
// once and dispatches from that list; the handler is named after the control
// and the event, so a route cannot reach the wrong one.
#pragma once
#include <span>

#include "ui/Form.h"

namespace tarnix::ui {

inline bool Holds(const Control& member, const Control& c) { return &member == &c; }
inline bool Holds(const ControlArray& array, const Control& c) { return array.Holds(c); }

template <class F>
struct Route {
  bool (*holds)(F&, const Control&);
  Event event;
  void (F::*handler)();           // a single control
  void (F::*indexedHandler)(int);  // a control array: gets the element's index
  const char* name;                // "cmdOK_Click", for messages

  void Invoke(F& form, const Control& c) const {
    if (handler) (form.*handler)();
    else (form.*indexedHandler)(c.Index());
  }
};

template <class F>
constexpr Route<F> MakeRoute(bool (*holds)(F&, const Control&), Event event, void (F::*handler)(), const char* name) {
  return {holds, event, handler, nullptr, name};
}
template <class F>
constexpr Route<F> MakeRoute(bool (*holds)(F&, const Control&), Event event, void (F::*handler)(int),
                             const char* name) {
  return {holds, event, nullptr, handler, name};
}

template <class F>
const Route<F>* FindRoute(F& form, std::span<const Route<F>> routes, const Control& c, Event event) {
  for (const Route<F>& r : routes)
    if (r.event == event && r.holds(form, c)) return &r;
  return nullptr;
}

// Runs the handler routed to this control and event; nothing when none is.
template <class F>
void Dispatch(F& form, std::span<const Route<F>> routes, const Control& c, Event event) {
  if (const Route<F>* r = FindRoute(form, routes, c, event)) r->Invoke(form, c);
}

}  // namespace tarnix::ui

// TARNIX_ROUTE(frmSetup, cmdOK, Click) routes frmSetup::cmdOK's Click to frmSetup::cmdOK_Click.
#define TARNIX_ROUTE(F, control, event)                                                                  \
  ::tarnix::ui::MakeRoute<F>([](F& f, const ::tarnix::ui::Control& c) { return ::tarnix::ui::Holds(f.control, c); }, \
                             ::tarnix::ui::Event::event, &F::control##_##event, #control "_" #event)
