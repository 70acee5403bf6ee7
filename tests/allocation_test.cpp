// A request never allocates: each system hands over a finished text that was composed at compile
// time. This program alone replaces the global allocation functions, to count every allocation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <set>

#include "engine/systems.h"

namespace {

long allocations = 0;

void* allocate(std::size_t size) noexcept {
  ++allocations;
  return std::malloc(size ? size : 1);
}

void* allocateOrThrow(std::size_t size) {
  if (void* p = allocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace kalmira {
namespace {

// Every day from -1 to 32 of every month from -1 to 13, with every list position from -1 to 6, and
// every year around the Chinese years: each sign of each system, the not-found text, the Chinese
// message and an unknown type's empty text.
TEST(Request, NeverAllocates) {
  std::set<const char*> textsSeen;
  for (int type = -1; type <= horoscopeTypeCount; ++type) {
    for (int month = -1; month <= 13; ++month) {
      for (int day = -1; day <= 32; ++day) {
        for (int year = 1899; year <= 2020; ++year) {
          const long before = allocations;
          const std::string_view text = horoscopeText(type, {day, month, year});
          ASSERT_EQ(allocations - before, 0) << type << ": " << day << ". " << month << ". " << year;
          textsSeen.insert(text.data());
        }
      }
    }
  }
  EXPECT_EQ(textsSeen.size(), 71u + 3u);  // every sign's text and the three others
}

}  // namespace
}  // namespace kalmira
