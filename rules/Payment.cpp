#include "rules/Payment.h"

#include "rules/GbHu.h"

namespace {
// Under the Official rules every payer adds the minimum to the fan total.
constexpr int kOfficialBonus = 8;
}  // namespace

void WinPayments(int winner, int fan, int unit, int minFan, bool selfDrawn, int discarder,
                 const bool won[kPaymentSeats], SeatPayment out[kPaymentSeats]) {
    const int amount = fan * unit;
    const bool official = minFan >= kOfficialMinFan;
    for (int s = 0; s < kPaymentSeats; s++) {
        out[s] = SeatPayment{};
        if (s == winner) continue;
        if (selfDrawn) {
            if (!won[s]) out[s] = {true, official ? amount + kOfficialBonus : amount};
        } else if (official) {
            out[s] = {true, s == discarder ? amount + kOfficialBonus : kOfficialBonus};
        } else if (s == discarder) {
            out[s] = {true, amount};
        }
    }
}
