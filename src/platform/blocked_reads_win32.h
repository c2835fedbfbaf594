#pragma once

#include "core/blocked_reads.h"

namespace kuvano {

// Ends a thread's blocked read with CancelSynchronousIo, through a handle of
// the thread that the interrupter owns, so that it may outlive the thread.
class BlockedReadsWin32 final : public BlockedReads {
public:
    std::function<void()> InterrupterForThisThread() const override;
};

}  // namespace kuvano
