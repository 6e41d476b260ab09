#pragma once
// Records every text the message line 编辑框_接收信息 of one window is given,
// so that a test sees the progress texts that later ones replace.
#include <mutex>
#include <string>
#include <vector>

#include "ui/form.h"

namespace rv::test {

class MessageLineRecorder final : public FormObserver {
 public:
  explicit MessageLineRecorder(Form& form) : index_(form.IndexOf("编辑框_接收信息")) {
    form.SetObserver(this);
  }
  void OnChange(Form& form, int control, Change change) override {
    if (control != index_ || change != Change::Text) return;
    std::string text = form.Snapshot(control).text;
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.push_back(std::move(text));
  }
  std::vector<std::string> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  int index_;
  std::mutex mutex_;
  std::vector<std::string> texts_;
};

}  // namespace rv::test
