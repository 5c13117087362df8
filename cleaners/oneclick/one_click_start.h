#pragma once
// How another page starts one-click maintenance: the home page opens the one-click page through
// its host, may hand it the six options its own boxes hold, and starts the scan.

// The six areas, in the order of the one-click page's option boxes.
struct TOneClickOptions {
  bool Reg = true;        // registry problems
  bool WasteFile = true;  // junk files
  bool His = true;        // evidence (traces of use)
  bool ActiveX = true;    // harmful ActiveX controls
  bool File = true;       // file associations
  bool Sys = true;        // system settings
};

// What the one-click page offers to the pages that start it.
class TOneClickStart {
 public:
  // Ticks exactly the given options.
  virtual void SetOptions(const TOneClickOptions& options) = 0;
  // Starts the scan over the ticked options, as its own start button does.
  virtual void StartScan() = 0;

 protected:
  ~TOneClickStart() = default;
};
