// A visitor for std::visit made of one lambda per alternative.
#pragma once

namespace MyFunc {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace MyFunc
