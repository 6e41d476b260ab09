#pragma once
// A text shared between threads: replaced whole under a lock, read as a copy,
// so no reader ever sees a torn value.
#include <mutex>
#include <string>

namespace rv {

class SharedText {
 public:
  SharedText() = default;
  explicit SharedText(std::string initial) : text_(std::move(initial)) {}
  std::string Get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_;
  }
  void Set(std::string value) {
    std::lock_guard<std::mutex> lock(mutex_);
    text_.swap(value);
  }

 private:
  mutable std::mutex mutex_;
  std::string text_;
};

}  // namespace rv
