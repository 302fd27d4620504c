// Whole parses from memory: throughput by size and encoding, linearity in the
// size, and the lookups that must stay O(1) however large a group, a
// component, a table or an enumeration grows.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "bench/mif_generator.h"
#include "driver/parse_driver.h"
#include "query/queries.h"

namespace {

using Key = std::tuple<int, int, int, int, int, int, bool>;

// Generated once per shape, outside every timed region.
const std::string &Source(const mifbench::MifShape &shape, bool utf16 = false) {
    static std::map<Key, std::string> cache;
    Key key{static_cast<int>(shape.targetBytes >> 10), shape.groups, shape.attributesPerGroup, shape.rows,
            shape.rowsPerTable, shape.enumElements, utf16};
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;
    std::string text = mifbench::GenerateMif(shape);
    return cache[key] = utf16 ? mifbench::ToUtf16Source(text) : text;
}

mifbench::MifShape OfSize(int64_t megabytes, bool utf16) {
    mifbench::MifShape shape;
    // Two bytes a character in UTF-16: halve the text for the same source size.
    shape.targetBytes = static_cast<size_t>(megabytes << 20) / (utf16 ? 2 : 1);
    return shape;
}

// One parse per iteration, each with a fresh context as a caller would make.
void ParseEach(benchmark::State &state, const std::string &source) {
    for (auto _ : state) {
        mifkit::ParseContext ctx([](std::string_view) {});
        int status = mifkit::ParseBytes(ctx, source);
        if (status != 0) {
            state.SkipWithError("the generated source was refused");
            break;
        }
        benchmark::DoNotOptimize(ctx.state.componentList);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void BM_Parse(benchmark::State &state, bool utf16) {
    const std::string &source = Source(OfSize(state.range(0), utf16), utf16);
    ParseEach(state, source);
    state.counters["MB"] = static_cast<double>(source.size()) / (1 << 20);
}
BENCHMARK_CAPTURE(BM_Parse, ascii_MB, false)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Parse, ascii_MB, false)->Arg(50)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Parse, utf16_MB, true)->Arg(10)->Unit(benchmark::kMillisecond);

// Time against source size: the fitted curve should be O(N).
void BM_ParseScaling(benchmark::State &state) {
    const std::string &source = Source(OfSize(state.range(0), false));
    ParseEach(state, source);
    state.SetComplexityN(static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_ParseScaling)
    ->RangeMultiplier(2)
    ->Range(1, 32)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// One dimension grown a hundredfold or tenfold: items/s must stay level.
enum class Stress { kAttributesInGroup, kGroupsInComponent, kRowsInTable, kElementsInEnum };

void BM_Stress(benchmark::State &state, Stress stress) {
    const int n = static_cast<int>(state.range(0));
    mifbench::MifShape shape;
    shape.rows = 0;
    int64_t items = n;
    switch (stress) {
        case Stress::kAttributesInGroup: shape.attributesPerGroup = n; break;
        case Stress::kGroupsInComponent:
            shape.groups = n;
            shape.attributesPerGroup = 1;
            break;
        case Stress::kRowsInTable: shape.rows = shape.rowsPerTable = n; break;
        case Stress::kElementsInEnum:
            // The same 20,000 rows and 2,000 attributes naming elements of a
            // small or a large enumeration; the items are those values.
            shape.enumElements = n;
            shape.rows = shape.rowsPerTable = 20000;
            shape.groups = 200;
            items = 20000 + 200 * 10;
            break;
    }
    const std::string &source = Source(shape);
    ParseEach(state, source);
    state.SetItemsProcessed(state.iterations() * items);
    state.SetComplexityN(n);
}
BENCHMARK_CAPTURE(BM_Stress, attributes_in_group, Stress::kAttributesInGroup)
    ->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_Stress, groups_in_component, Stress::kGroupsInComponent)
    ->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_Stress, rows_in_table, Stress::kRowsInTable)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_Stress, elements_in_enum, Stress::kElementsInEnum)
    ->Arg(50)->Arg(5000)->Unit(benchmark::kMillisecond);

// The query of one table's block. Each query walks every cell, so
// rows/s drops once the table's records (about 1.1 KB a row) outgrow the
// last-level cache, and from there stays level: compare 100,000 with
// 200,000 rows.
void BM_QueryTable(benchmark::State &state) {
    const int rows = static_cast<int>(state.range(0));
    mifbench::MifShape shape;
    shape.rows = shape.rowsPerTable = rows;
    mifkit::ParseContext ctx([](std::string_view) {});
    if (mifkit::ParseBytes(ctx, Source(shape)) != 0) {
        state.SkipWithError("the generated source was refused");
        return;
    }
    const uint32_t id = ctx.state.componentList->tables->id;
    for (auto _ : state) {
        std::vector<unsigned char> block = mifkit::TableData(ctx, nullptr, 0, id, nullptr, 0, nullptr);
        if (block.empty()) {
            state.SkipWithError("the table gave no block");
            break;
        }
        benchmark::DoNotOptimize(block.data());
        state.counters["block_MB"] = static_cast<double>(block.size()) / (1 << 20);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetComplexityN(rows);
}
BENCHMARK(BM_QueryTable)
    ->Arg(10000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
