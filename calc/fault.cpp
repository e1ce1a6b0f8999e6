#include "calc/fault.h"

namespace calc {

void RaiseDivisionByZero() { throw FloatingPointFault(kDivisionByZero); }
void RaiseInvalidOperation() { throw FloatingPointFault(kInvalidOperation); }
void RaiseOverflow() { throw FloatingPointFault(kOverflow); }

Real Ln(Real x)
{
    if (x.value() < 0.0)
        RaiseInvalidOperation();
    if (x.value() == 0.0)
        RaiseDivisionByZero();
    return Real::Checked(std::log(x.value()));
}

Real Exp(Real x) { return Real::Checked(std::exp(x.value())); }

Real Sqrt(Real x)
{
    if (x.value() < 0.0)
        RaiseInvalidOperation();
    return Real::Checked(std::sqrt(x.value()));
}

}  // namespace calc
