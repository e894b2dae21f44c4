// Counts the heap this program holds, so that a test or a benchmark can see what
// one call costs in memory: the program's operator new and delete are replaced
// by counting ones (heap_meter.cpp), which every allocation of the C++ library
// goes through.
#pragma once

#include <cstddef>

namespace quenby::test {

class HeapMeter {
public:
    // Starts a measurement: from now on the highest number of bytes held is kept.
    HeapMeter();

    // The most bytes held at any moment since the start, beyond what was held at
    // the start (blocks counted at the size the allocator gave them).
    std::size_t peakAbove() const;

    // How many blocks were allocated since the start.
    std::size_t allocations() const;

private:
    std::size_t startBytes_;
    std::size_t startCount_;
};

} // namespace quenby::test
