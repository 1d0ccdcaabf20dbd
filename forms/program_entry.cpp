// The process entry point of the program: the start sequence and nothing
// else. (A backend whose platform wants another entry point, such as
// WinMain, calls forms::runProgram from it instead.)
#include "forms/start_sequence.h"

int main() { return forms::runProgram(); }
