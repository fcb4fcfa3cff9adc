// The table's payment rule for a win: who pays the winner how much.  The offline table and the
// loopback game server both pay by it.
#pragma once

constexpr int kPaymentSeats = 4;

// What one seat pays the winner for a hand (nothing when `pays` is false).
struct SeatPayment {
    bool pays = false;
    int points = 0;
};

// `fan` × `unit` is the hand's value.  Self-drawn: every seat that has not won pays it, plus
// the minimum of 8 under the Official rules (`minFan` 8).  On a discard under the Official
// rules the discarder pays the value plus 8 and the others 8 each; under the other family the
// discarder alone pays the value.  `won[s]` marks seats that already won this hand.
void WinPayments(int winner, int fan, int unit, int minFan, bool selfDrawn, int discarder,
                 const bool won[kPaymentSeats], SeatPayment out[kPaymentSeats]);
