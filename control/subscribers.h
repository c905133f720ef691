/// @file
/// The handlers a host subscribed to one of the control's notifications, called in the
/// order they subscribed.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace corvane {

template <class... Args>
class Subscribers {
 public:
  using Handler = std::function<void(Args...)>;

  /// Returns the key that removes `handler`.
  int Add(Handler handler) {
    handlers_.emplace(next_key_, std::move(handler));
    return next_key_++;
  }
  /// An unknown key does nothing.
  void Remove(int key) { handlers_.erase(key); }

  /// Calls every handler. A handler may call back into the control, subscribe or
  /// unsubscribe (one removed before its turn is not called); an exception it throws is the
  /// host's own and is ignored, so the control's work goes on.
  void Raise(Args... args) noexcept {
    std::vector<int> keys;
    keys.reserve(handlers_.size());
    for (const auto& [key, handler] : handlers_) keys.push_back(key);
    for (int key : keys) {
      const auto it = handlers_.find(key);
      if (it == handlers_.end()) continue;
      const Handler handler = it->second;  // a copy: it may unsubscribe itself
      try {
        handler(args...);
      } catch (...) {
      }
    }
  }

 private:
  std::map<int, Handler> handlers_;
  int next_key_ = 0;
};

}  // namespace corvane
