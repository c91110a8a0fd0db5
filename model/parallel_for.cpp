#include "model/parallel_for.hpp"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace trot {

namespace {

// Below this many tasks for each thread, starting one costs more than it saves.
constexpr std::size_t kFewestTasksPerThread = 8;

}  // namespace

void forEachIndexInParallel(std::size_t count, const std::function<void(std::size_t)>& task) {
  const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t threads = std::min(processors, count / kFewestTasksPerThread);
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < count; i = next++) task(i);
  };
  std::vector<std::thread> helpers;
  for (std::size_t t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // No more threads to be had: the ones there are do the rest.
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace trot
