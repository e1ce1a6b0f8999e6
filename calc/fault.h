// Arithmetic faults of the calculations, and the checked arithmetic that
// raises them at the operation where they happen.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace calc {

// Division by zero, an invalid operation or an overflow; what() is the text
// the error box shows.
class FloatingPointFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseOverflow();

// A double whose every operation is checked as it happens. Explicit checks,
// not the floating-point status flags: the optimiser may move arithmetic
// across a flag test. No value of this type is ever infinite or NaN, so a
// NaN or an infinity from finite operands is always the fault of this very
// operation. Underflow and inexact results pass silently.
class Real {
public:
    constexpr Real(double v = 0.0) : v_(v) {}  // NOLINT: implicit on purpose
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return Checked(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return Checked(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return Checked(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b)
    {
        if (b.v_ == 0.0) {
            if (a.v_ == 0.0)
                RaiseInvalidOperation();  // 0/0
            RaiseDivisionByZero();
        }
        return Checked(a.v_ / b.v_);
    }
    friend Real operator-(Real a) { return Real(-a.v_); }

    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend auto operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

    static Real Checked(double r)
    {
        if (std::isnan(r))
            RaiseInvalidOperation();
        if (std::isinf(r))
            RaiseOverflow();
        return Real(r);
    }

private:
    double v_;
};

// ln of zero is a division by zero, of a negative number an invalid operation.
Real Ln(Real x);
Real Exp(Real x);
Real Sqrt(Real x);
inline Real Abs(Real x) { return Real(std::fabs(x.value())); }

}  // namespace calc
