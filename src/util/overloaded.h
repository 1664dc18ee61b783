// A visitor for std::visit made of one lambda per alternative.
#pragma once

namespace tq58::util {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace tq58::util
