// What a request costs (lookup and delivery of the finished text) next to a plain copy of the same
// bytes. A measurement to read; nothing in it is checked.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "engine/systems.h"

namespace {

using namespace kalmira;

struct Sample {
  const char* name;
  int type, day, month, year;
};

// One date per sign of each system, in table order (a Chinese sign by its year alone), and for
// each a date that has no sign.
constexpr Sample samples[] = {
    {"European/Baran", 0, 1, 4, 1980},
    {"European/Byk", 0, 1, 5, 1980},
    {"European/Blizenci", 0, 1, 6, 1980},
    {"European/Rak", 0, 1, 7, 1980},
    {"European/Lev", 0, 1, 8, 1980},
    {"European/Panna", 0, 1, 9, 1980},
    {"European/Vahy", 0, 1, 10, 1980},
    {"European/Skorpion", 0, 1, 11, 1980},
    {"European/Strelec", 0, 1, 12, 1980},
    {"European/Kozorozec", 0, 1, 1, 1980},
    {"European/Vodnar", 0, 1, 2, 1980},
    {"European/Ryby", 0, 1, 3, 1980},
    {"European/not-found", 0, 1, -1, 1980},
    {"Chinese/Krysa", 1, 1, 1, 1900},
    {"Chinese/Buvol", 1, 1, 1, 1901},
    {"Chinese/Tygr", 1, 1, 1, 1902},
    {"Chinese/Kralik", 1, 1, 1, 1903},
    {"Chinese/Drak", 1, 1, 1, 1904},
    {"Chinese/Had", 1, 1, 1, 1905},
    {"Chinese/Kun", 1, 1, 1, 1906},
    {"Chinese/Koza", 1, 1, 1, 1907},
    {"Chinese/Opice", 1, 1, 1, 1908},
    {"Chinese/Kohout", 1, 1, 1, 1909},
    {"Chinese/Pes", 1, 1, 1, 1910},
    {"Chinese/Prase", 1, 1, 1, 1911},
    {"Chinese/out-of-range", 1, 1, 1, 2020},
    {"Cyclic/Probuzeni", 2, 1, 4, 1980},
    {"Cyclic/Rustu", 2, 1, 5, 1980},
    {"Cyclic/Rozkvetu", 2, 1, 6, 1980},
    {"Cyclic/DlouhychDnu", 2, 1, 7, 1980},
    {"Cyclic/Zrani", 2, 1, 8, 1980},
    {"Cyclic/Zni", 2, 1, 9, 1980},
    {"Cyclic/PadajicihoListi", 2, 1, 10, 1980},
    {"Cyclic/PrvnichMrazu", 2, 1, 11, 1980},
    {"Cyclic/DlouhychNoci", 2, 1, 12, 1980},
    {"Cyclic/HlubokehoSpanku", 2, 1, 1, 1980},
    {"Cyclic/Ticha", 2, 1, 2, 1980},
    {"Cyclic/Obnovy", 2, 1, 3, 1980},
    {"Cyclic/not-found", 2, 1, -1, 1980},
    {"Egyptian/Amon-Ra", 3, 15, 2, 1980},
    {"Egyptian/Mut", 3, 15, 3, 1980},
    {"Egyptian/Isis", 3, 15, 4, 1980},
    {"Egyptian/Horus", 3, 15, 5, 1980},
    {"Egyptian/Geb", 3, 15, 6, 1980},
    {"Egyptian/Sechmet", 3, 15, 7, 1980},
    {"Egyptian/Toth", 3, 15, 8, 1980},
    {"Egyptian/Seth", 3, 1, 10, 1980},
    {"Egyptian/Osiris", 3, 1, 11, 1980},
    {"Egyptian/Anubis", 3, 1, 12, 1980},
    {"Egyptian/Hathor", 3, 15, 1, 1980},
    {"Egyptian/not-found", 3, 1, -1, 1980},
    {"Indian/Sokol", 4, 1, 4, 1980},
    {"Indian/Bobr", 4, 1, 5, 1980},
    {"Indian/Jelen", 4, 1, 6, 1980},
    {"Indian/Datel", 4, 1, 7, 1980},
    {"Indian/Losos", 4, 1, 8, 1980},
    {"Indian/Medved", 4, 1, 9, 1980},
    {"Indian/Havran", 4, 1, 10, 1980},
    {"Indian/Had", 4, 1, 11, 1980},
    {"Indian/Sova", 4, 1, 12, 1980},
    {"Indian/Husa", 4, 1, 1, 1980},
    {"Indian/Vydra", 4, 1, 2, 1980},
    {"Indian/Vlk", 4, 1, 3, 1980},
    {"Indian/not-found", 4, 1, -1, 1980},
    {"EuropeanShort/Baran", 5, 1, 4, 1980},
    {"EuropeanShort/Byk", 5, 1, 5, 1980},
    {"EuropeanShort/Blizenci", 5, 1, 6, 1980},
    {"EuropeanShort/Rak", 5, 1, 7, 1980},
    {"EuropeanShort/Lev", 5, 1, 8, 1980},
    {"EuropeanShort/Panna", 5, 1, 9, 1980},
    {"EuropeanShort/Vahy", 5, 1, 10, 1980},
    {"EuropeanShort/Skorpion", 5, 1, 11, 1980},
    {"EuropeanShort/Strelec", 5, 1, 12, 1980},
    {"EuropeanShort/Kozorozec", 5, 1, 1, 1980},
    {"EuropeanShort/Vodnar", 5, 1, 2, 1980},
    {"EuropeanShort/Ryby", 5, 1, 3, 1980},
    {"EuropeanShort/not-found", 5, 1, -1, 1980},
};

// Where the plain copy writes: a buffer the size of the result text.
char text[resultTextSize];

// The text of a sample as the program asks for it.
std::string_view textOf(const Sample& sample) {
  return horoscopeText(sample.type, {sample.day, sample.month, sample.year});
}

// A request as the program makes it: the lookup, and the finished text handed over where it stands.
void request(benchmark::State& state, Sample sample) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(&sample);
    const std::string_view found = textOf(sample);
    benchmark::DoNotOptimize(found.data());
    benchmark::DoNotOptimize(found.size());
  }
  state.counters["bytes"] = static_cast<double>(textOf(sample).size());
}

// The floor: copying the same bytes, terminator included, from where they already are.
void plainCopy(benchmark::State& state, Sample sample) {
  const std::string_view source = textOf(sample);
  const std::size_t length = source.size() + 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(source.data());
    std::memcpy(text, source.data(), length);
    benchmark::DoNotOptimize(text);
    benchmark::ClobberMemory();
  }
  state.counters["bytes"] = static_cast<double>(length - 1);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * length));
}

const bool registered = [] {
  for (const Sample& sample : samples) {
    benchmark::RegisterBenchmark((std::string("request/") + sample.name).c_str(), request, sample);
    benchmark::RegisterBenchmark((std::string("memcpy/") + sample.name).c_str(), plainCopy, sample);
  }
  return true;
}();

}  // namespace

BENCHMARK_MAIN();
