#pragma once

#include "platform/failure_report.h"

namespace kuvano {

// Asked of the main window, the failure count reaches tests that drive the
// program from outside: SendMessage(main window, FailureCountMessage(), 0, 0).
unsigned FailureCountMessage();

}  // namespace kuvano
