// Throughput of the parse's first half: conversion to the working copy,
// token cutting, and the pool allocations behind token values.
#include <benchmark/benchmark.h>

#include <string>

#include "core/parse_context.h"
#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "core/tokens.h"

namespace {

// A component of `groups` groups of ten attributes each: names, types,
// values, comments and continued literals, as real MIF files have them.
std::string SampleMif(int groups) {
    std::string mif = "// generated for the benchmarks\nStart Component\n  Name = \"Bench\"\n";
    for (int g = 1; g <= groups; ++g) {
        mif += "  Start Group\n    Name = \"Group " + std::to_string(g) +
               "\"\n    Class = \"Bench|Group|001\"\n    ID = " + std::to_string(g) + "\n";
        for (int a = 1; a <= 10; ++a) {
            mif += "    Start Attribute // attribute " + std::to_string(a) +
                   "\n      Name = \"Attribute \" \"number " + std::to_string(a) +
                   "\"\n      ID = " + std::to_string(a) +
                   "\n      Access = Read-Only\n      Type = Integer\n      Value = -" +
                   std::to_string(a * 1000) + "\n    End Attribute\n";
        }
        mif += "  End Group\n";
    }
    return mif + "End Component\n";
}

std::string Utf16Source(const std::string &ascii) {
    std::string out = "\xFE\xFF";
    for (char c : ascii) {
        out += '\0';
        out += c;
    }
    return out;
}

void DrainTokens(mifkit::ParseContext &ctx, mifkit::WorkingCopy &&copy) {
    mifkit::ResetLexer(ctx, std::move(copy));
    while (mifkit::NextToken(ctx) != mifkit::END_OF_INPUT) {
    }
    ctx.pool.Release();
}

// Conversion alone, from 8-bit or UTF-16 text of the same content.
void BM_Convert(benchmark::State &state, bool unicode) {
    std::string source = SampleMif(static_cast<int>(state.range(0)));
    if (unicode) source = Utf16Source(source);
    mifkit::WorkingCopy copy;
    for (auto _ : state) {
        if (unicode)
            mifkit::ConvertUnicodeSource(source, copy);
        else
            mifkit::ConvertAsciiSource(source, copy);
        benchmark::DoNotOptimize(copy.bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK_CAPTURE(BM_Convert, ascii, false)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(BM_Convert, unicode, true)->Arg(100)->Arg(1000);

// Conversion and token cutting together, values allocated from the pool.
void BM_Tokenize(benchmark::State &state) {
    std::string source = SampleMif(static_cast<int>(state.range(0)));
    mifkit::ParseContext ctx([](std::string_view) {});
    for (auto _ : state) {
        mifkit::WorkingCopy copy;
        mifkit::ConvertAsciiSource(source, copy);
        DrainTokens(ctx, std::move(copy));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
    state.SetComplexityN(static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_Tokenize)->RangeMultiplier(4)->Range(16, 1024)->Complexity(benchmark::oN);

// A line of quotes that open no literal: must stay linear in the line's length.
void BM_StrayQuotes(benchmark::State &state) {
    mifkit::ParseContext ctx([](std::string_view) {});
    for (auto _ : state) {
        mifkit::WorkingCopy copy;
        copy.bytes.assign(static_cast<size_t>(state.range(0)), '"');
        DrainTokens(ctx, std::move(copy));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StrayQuotes)->RangeMultiplier(4)->Range(1 << 10, 1 << 18)->Complexity(benchmark::oN);

void BM_PoolAllocate(benchmark::State &state) {
    mifkit::BlockPool pool;
    for (auto _ : state) {
        for (int i = 0; i < 100000; ++i) benchmark::DoNotOptimize(pool.Allocate(24));
        pool.Release();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_PoolAllocate);

}  // namespace

BENCHMARK_MAIN();
