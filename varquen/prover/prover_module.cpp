// The prover module: Z3 lives here, loaded by the program the first time the student asks.
#include "z3_prover.h"

namespace {

class Z3Prover : public varquen::Prover {
  public:
    varquen::ValidityAnswer decide(const varquen::FirstOrderProblem& problem,
                                   std::chrono::milliseconds timeLimit, std::stop_token stop) override {
        return varquen::prover::decideValidity(problem, timeLimit, stop);
    }
};

} // namespace

extern "C" varquen::Prover* varquenProver() {
    static Z3Prover prover;
    return &prover;
}
