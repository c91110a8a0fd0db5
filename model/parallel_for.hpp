// Sharing independent pieces of work among the machine's processors.
#pragma once

#include <cstddef>
#include <functional>

namespace trot {

// Calls `task(i)` once for every i below `count`, on as many threads as the
// machine has processors (fewer for short lists, one where threads cannot be
// started), and returns when every call has returned. The calls run in no
// particular order; `task` must not throw, and whatever the calls share must
// be safe to use from several threads.
void forEachIndexInParallel(std::size_t count, const std::function<void(std::size_t)>& task);

}  // namespace trot
