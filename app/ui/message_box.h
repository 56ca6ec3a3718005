// Installs the message seam's handler that shows real message boxes on the window thread.
#pragma once

namespace langyue {

// Call once on the user-interface thread after the QApplication exists. A message shown
// from another thread waits for the user's answer on that thread.
void install_message_boxes();

}  // namespace langyue
