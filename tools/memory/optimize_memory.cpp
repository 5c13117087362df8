#include "tools/memory/optimize_memory.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

TBlockAllocator VirtualBlockAllocator() {
  return {[](std::size_t Size) { return VirtualAlloc(nullptr, Size, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE); },
          [](void* Block) { VirtualFree(Block, 0, MEM_RELEASE); }};
}

int OptimizeMemory(int Blocks, const TBlockAllocator& Allocator, const std::function<void()>& Step) {
  Blocks = std::clamp(Blocks, 0, kOptimizeMaxBlocks);
  std::vector<void*> obtained;
  obtained.reserve(Blocks);
  for (int k = 0; k < Blocks; ++k) {
    void* block = Allocator.Commit(kOptimizeBlockSize);
    if (!block) break;
    obtained.push_back(block);
    std::memset(block, 0, kOptimizeBlockSize);
    if (Step) Step();
  }
  for (void* block : obtained) {
    Allocator.Release(block);
    if (Step) Step();
  }
  return static_cast<int>(obtained.size());
}
