// The application object: the program's title and icon, its forms (the
// first one created is the main form), the screen object, and the run loop.
// Needs a live QApplication; lives inside its lifetime.
#pragma once

#include <QIcon>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

#include "ui/tform.h"
#include "ui/tscreen.h"

namespace veldamo::ui {

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The name under which the running program is shown outside its window.
  void SetTitle(const QString& title);
  QString Title() const;

  // The program icon; a null icon keeps the desktop's default.
  void SetIcon(const QIcon& icon);

  // Creates a form, stores it in `reference`, and makes the first one the
  // main form. The form stays hidden until Run.
  template <typename Form, typename... Args>
  Form* CreateForm(Form*& reference, Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    reference = form.get();
    if (main_form_ == nullptr) main_form_ = form.get();
    forms_.push_back(std::move(form));
    return reference;
  }

  TForm* MainForm() const { return main_form_; }
  TScreen& Screen() { return screen_; }

  // Shows the main form and handles events until Terminate; returns the
  // program's exit code.
  int Run();
  void Terminate();

 private:
  TScreen screen_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* main_form_ = nullptr;
};

// The live application object, or nullptr when there is none.
TApplication* Application();

}  // namespace veldamo::ui
