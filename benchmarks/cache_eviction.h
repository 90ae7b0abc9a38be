// Pushes everything out of the CPU caches by reading through a buffer twice
// the size of the largest cache, so the next timed operation starts with its
// data in main memory, whatever it worked on a moment before.
#pragma once

#include <vector>

class CacheEviction {
public:
    CacheEviction();
    void Evict();

private:
    std::vector<unsigned char> m_buffer;
};
