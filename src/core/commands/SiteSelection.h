// Classifying the address box's text and applying the site selection. User-interface thread, and
// once the start-up thread.
#pragma once

class WindowPort;
struct VantrelState;

// Reads the address box, selects the recognised site in 1002 (and the QQ sub-site in 1035), then
// applies the selection.
void ClassifyAddress(VantrelState& state, WindowPort& port);

// SiteNumber becomes 11; box 1035 is shown (filled, sub-site 0) only while site 0 is selected.
void ApplySiteSelection(VantrelState& state, WindowPort& port);
