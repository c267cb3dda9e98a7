#pragma once

// Compares two 2x2 blocks of weave pattern codes, each given row by row as four shorts. The block
// b is also read mirrored left-right, mirrored top-bottom and turned half round. Returns 1 when a
// equals any of these four arrangements, -1 when a equals the negation of one of them (the same
// crossings upside down), 0 otherwise. Equality wins: a block that matches both ways gives 1.
// Symmetric in a and b.
short MatchBlock(const short* a, const short* b);
