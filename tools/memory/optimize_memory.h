// Memory optimisation: commit, zero and release a run of 1 MB blocks, so that the system trims
// the working sets of other processes.
#pragma once

#include <cstddef>
#include <functional>

constexpr std::size_t kOptimizeBlockSize = 1048576;
constexpr int kOptimizeMaxBlocks = 1024;

// Where the blocks come from: Commit gives a committed block of Size bytes or nullptr; Release
// gives it back.
struct TBlockAllocator {
  std::function<void*(std::size_t Size)> Commit;
  std::function<void(void* Block)> Release;
};

// VirtualAlloc (MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE) and VirtualFree (MEM_RELEASE).
TBlockAllocator VirtualBlockAllocator();

// Commits up to Blocks blocks (clamped to 0..1024; a failed commit ends the phase early), zeroes
// each, then releases them in order. Step runs after every commit and every release (the page
// pumps and advances its gauge there). Returns the number of blocks obtained.
int OptimizeMemory(int Blocks, const TBlockAllocator& Allocator, const std::function<void()>& Step);
