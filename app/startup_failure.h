#pragma once

namespace velmora {

inline constexpr int kStartupFailure = 1;

// While it lives, Qt's messages are held back; a fatal one (Qt gives up when
// no platform can open a window, and would abort with a core dump) ends the
// program with kStartupFailure and one line on standard error instead. When
// it is released, the held-back messages go out as Qt would have printed them.
class StartupFailureGuard {
 public:
  StartupFailureGuard();
  ~StartupFailureGuard();
  StartupFailureGuard(const StartupFailureGuard&) = delete;
  StartupFailureGuard& operator=(const StartupFailureGuard&) = delete;

  void Release();

 private:
  bool released_ = false;
};

}  // namespace velmora
