#include "ui/picture_help.h"

#include "resources/embedded.h"

namespace rv {

void SetUpPictureScroll(Form& window) {
  ScrollDef scroll = window.Scroll(kPictureScrollBar);
  scroll.minimum = 0;
  scroll.maximum = window.Geometry(kPictureBox).h - window.Geometry(kPictureScrollBar).h;
  window.SetScroll(kPictureScrollBar, scroll);
}

void ScrollPicture(Form& window, int position) { window.SetTop(kPictureBox, -position); }

void ShowHelpPicture(App& app, const std::string& window, std::string_view file) {
  bool wasOpen = app.forms.Find(window) != nullptr;
  Form* form = app.forms.Load(window, false, nullptr);
  if (!form) return;
  if (wasOpen) {
    // The window is reused for the next picture: start it at the top again
    // rather than in the middle of the new picture.
    ScrollDef scroll = form->Scroll(kPictureScrollBar);
    scroll.position = scroll.minimum;
    form->SetScroll(kPictureScrollBar, scroll);
    form->SetTop(kPictureBox, form->def().controls[static_cast<size_t>(form->IndexOf(kPictureBox))].y);
  }
  form->SetPicture(kPictureBox, std::string(EmbeddedFile(file)));
}

}  // namespace rv
