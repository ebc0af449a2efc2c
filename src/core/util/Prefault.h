#pragma once

#include <cstddef>

// Asks the system to give memory just set aside, and about to be filled from end to end,
// its pages in one go rather than one page fault at a time. Only a hint: where the system
// has no such request, or refuses it, the pages come as they are first written.
void prefaultForWriting(void* start, std::size_t bytes);

// The same for the unused capacity of a vector reserved ahead of filling it.
template <class Vector>
void prefaultCapacity(Vector& v)
{
    prefaultForWriting(v.data() + v.size(), (v.capacity() - v.size()) * sizeof(*v.data()));
}
