#pragma once
// The pages the main program contains: how each row of the page table is made, with its
// first-time and reopen steps. The program sets them before it makes its main window; a test
// that needs the real pages sets them the same way.
void SetProgramPageFactories();
