#pragma once

#include <cstddef>

// Asks the kernel for every page of a large buffer about to be filled at
// once, in huge pages where it gives them, rather than a trap for each 4 KB
// page as it is first written: an import of 100,000 rooms fills some 25 MB so,
// and on a virtual machine each trap costs microseconds. Smaller buffers, and
// kernels that know neither request, are left as they are.
void prefault(void* data, std::size_t bytes);
