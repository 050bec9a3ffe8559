// Printing through the machine's print service (CUPS), opened on first use.
#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace bafo {

// The print service's queues, its default first; empty without a service.
std::vector<std::string> cups_printers();
// The page drawn into a PDF at the queue's default paper and sent as one
// job: "" when the queue took it, else the service's words. Blocks for at
// most about 2 s while it sees that the job is printing, not stopped.
std::string cups_print(const PrintPage& page);

}  // namespace bafo
