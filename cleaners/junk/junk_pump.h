// How often the junk scan and the junk cleaning let the program handle its waiting messages.
#pragma once

// Called by the scan and the cleaning at every entry, so the pages stay responsive and their stop
// buttons can act: runs PumpMessages() (base/message_pump.h) when at least 10 ms have passed since
// it last did.
void OfferJunkPump();
