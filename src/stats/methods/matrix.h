#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 4 methods of the number matrix (the numbers written row by row into MatrixCols columns):
// "COLS", "ROWS", "COLV", "ROWV", "COLN", "ROWN", "COLM", "ROWM", "COLA", "ROWA", "COLC", "ROWC",
// "KFM%d", "KFS%d", "KRM%d", "KRS%d", "COL%d", "ROW%d"; and group 5 methods of the segments (the
// free partition MatrixSegments): "SGMS", "SGMV", "SGMC", "KGM%d", "KGS%d", "SGM%d".
void RegisterMatrixMethods(TStatRegistrationTable& table);
void RegisterSegmentMethods(TStatRegistrationTable& table);

}  // namespace kavrin
