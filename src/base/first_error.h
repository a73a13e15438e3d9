#pragma once

#include <exception>
#include <utility>

namespace base {

// Runs steps that must all happen even when some of them throw (tearing down, undoing), and
// passes the first exception on once they are done; later ones are dropped.
class FirstError {
public:
    template <class Step>
    void run(Step&& step) noexcept
    {
        try {
            step();
        } catch (...) {
            if (!first_) first_ = std::current_exception();
        }
    }
    bool failed() const { return bool(first_); }
    void rethrow()
    {
        if (first_) std::rethrow_exception(std::exchange(first_, nullptr));
    }

private:
    std::exception_ptr first_;
};

}  // namespace base
