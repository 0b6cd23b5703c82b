// One event slot: a plain routine pointer that may take fewer values than its
// event passes. The extra values are dropped by a small typed trampoline, so a
// slot still holds exactly one routine and calling an empty slot gives 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

namespace ombrela {

template <typename... Args>
class Handler {
 public:
  constexpr Handler() = default;
  constexpr Handler(std::nullptr_t) {}

  template <typename R, typename... Taken>
  Handler(R (*routine)(Taken...))
      : routine_(reinterpret_cast<Erased>(routine)),
        call_(routine ? &Trampoline<R, Taken...> : nullptr) {
    static_assert(sizeof...(Taken) <= sizeof...(Args),
                  "a handler takes at most the values its event passes");
  }

  intptr_t operator()(Args... args) const { return call_ ? call_(routine_, args...) : 0; }
  explicit operator bool() const { return call_ != nullptr; }
  bool operator==(const Handler& other) const { return routine_ == other.routine_; }

 private:
  using Erased = void (*)();

  template <typename R, typename... Taken>
  static intptr_t Trampoline(Erased erased, Args... args) {
    auto routine = reinterpret_cast<R (*)(Taken...)>(erased);
    return Call<R>(routine, std::forward_as_tuple(args...),
                   std::make_index_sequence<sizeof...(Taken)>{});
  }

  template <typename R, typename Routine, typename Tuple, std::size_t... I>
  static intptr_t Call(Routine routine, Tuple&& values, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
      routine(std::get<I>(values)...);
      return 0;
    } else {
      return static_cast<intptr_t>(routine(std::get<I>(values)...));
    }
  }

  Erased routine_ = nullptr;
  intptr_t (*call_)(Erased, Args...) = nullptr;
};

}  // namespace ombrela
