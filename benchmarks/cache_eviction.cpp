#include "cache_eviction.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>

CacheEviction::CacheEviction()
{
    size_t largest = 32u << 20;
    for (const auto& cache : benchmark::CPUInfo::Get().caches)
        largest = std::max(largest, static_cast<size_t>(cache.size));
    m_buffer.assign(2 * largest, 1);
}

void CacheEviction::Evict()
{
    unsigned sum = 0;
    for (size_t i = 0; i < m_buffer.size(); i += 64)
        sum += m_buffer[i];
    benchmark::DoNotOptimize(sum);
}
