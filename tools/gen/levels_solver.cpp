// The game's nonogram solver, built into the generator so that it can refuse levels the game would
// judge wrongly (gen_content links none of the game's libraries).
#include "../../src/nonogram/LineSolver.cpp"
#include "../../src/nonogram/NonogramSolver.cpp"
