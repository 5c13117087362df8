#include "registry/scan/scan_pump.h"

#include "gui/application.h"

void ScanProcessMessages() { Application->ProcessMessages(); }
