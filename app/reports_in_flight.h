#pragma once

#include <atomic>

namespace app {

// Counts the usage reports that have been queued and have not finished yet, so that a sequence about to end the
// process can give them a moment to arrive. Safe to use from any thread.
class ReportsInFlight {
public:
    // One report from its queuing to its end; moving hands the count over.
    class Ticket {
    public:
        explicit Ticket(ReportsInFlight& owner) : owner_(&owner) { owner_->count_.fetch_add(1); }
        Ticket(Ticket&& other) noexcept : owner_(other.owner_) { other.owner_ = nullptr; }
        Ticket(const Ticket&) = delete;
        Ticket& operator=(const Ticket&) = delete;
        Ticket& operator=(Ticket&&) = delete;
        ~Ticket() {
            if (owner_ != nullptr) owner_->count_.fetch_sub(1);
        }

    private:
        ReportsInFlight* owner_;
    };

    Ticket Start() { return Ticket(*this); }
    // The reports queued or sending now.
    int Count() const { return count_.load(); }

private:
    std::atomic<int> count_{0};
};

}  // namespace app
